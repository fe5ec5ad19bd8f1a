#pragma once

#include "core/CKorvexArchiveBase.h"

#include <QStringList>

/// The one-line text form of an archived action: one element per value, joined by markers.
class ActionArchive : public Korvex::CKorvexArchiveBase
{
public:
    static constexpr int kModeRead = 0;
    static constexpr int kModeWrite = 1;

    /// kModeWrite to write, kModeRead to read.
    explicit ActionArchive(int mode);
    ~ActionArchive() override;

    /// The elements joined by "<?KORVEX_ELEMENT>", line feeds written as "<?KORVEX_ENDL>".
    QString ToString() const;
    /// Replaces the elements by those of text; the empty text gives one empty element.
    void FromString(const QString& text);

    const QStringList& Elements() const { return m_elements; }
    int ReadCursor() const { return m_readCursor; }

    bool ArchiveUInt(unsigned* value) override;
    bool ArchiveBool(bool* value) override;
    bool ArchiveDouble(double* value) override;
    bool ArchiveString(Korvex::CKorvexString* value) override;

private:
    bool writing() const { return m_mode != kModeRead; }
    /// The element at the cursor, advancing it; false at the end.
    bool takeElement(QString& element);

    int m_mode;
    QStringList m_elements;
    int m_readCursor = 0;
};
