#pragma once

namespace Korvex {

class CKorvexString;

/// Typed reads and writes over four storage hooks that a derived archive supplies.
class CKorvexArchiveBase
{
public:
    /// Archived objects deeper than this are refused, on both sides.
    static constexpr int kMaxNesting = 64;

    explicit CKorvexArchiveBase(bool reading);
    virtual ~CKorvexArchiveBase();

    bool IsReading() const { return m_reading; }
    void SetVersion(unsigned version) { m_version = version; }
    unsigned GetVersion() const { return m_version; }

    /// A signed value crosses the unsigned hook as its two's complement bit pattern.
    virtual bool WriteInt(int value);
    virtual bool WriteBool(bool value);
    virtual bool WriteDouble(double value);
    virtual bool WriteString(const CKorvexString& value);
    /// Each read leaves value alone when the archive has nothing more to give.
    virtual bool ReadInt(int& value);
    virtual bool ReadBool(bool& value);
    virtual bool ReadDouble(double& value);
    virtual bool ReadString(CKorvexString& value);
    /// Called before a top-level object is archived.
    virtual bool OnBegin();

    virtual bool ArchiveUInt(unsigned* value) = 0;
    virtual bool ArchiveBool(bool* value) = 0;
    virtual bool ArchiveDouble(double* value) = 0;
    virtual bool ArchiveString(CKorvexString* value) = 0;

    /// Enters one nesting level; false (and no level entered) beyond kMaxNesting.
    bool EnterNested();
    void LeaveNested();
    int NestingDepth() const { return m_depth; }

private:
    bool m_reading;
    unsigned m_version = 0;
    int m_depth = 0;
};

} // namespace Korvex
