#include "core/CKorvexArchiveBase.h"

#include "core/CKorvexString.h"

namespace Korvex {

CKorvexArchiveBase::CKorvexArchiveBase(bool reading)
    : m_reading(reading)
{
}

CKorvexArchiveBase::~CKorvexArchiveBase() = default;

bool CKorvexArchiveBase::WriteInt(int value)
{
    unsigned bits = static_cast<unsigned>(value);
    return !m_reading && ArchiveUInt(&bits);
}

bool CKorvexArchiveBase::WriteBool(bool value)
{
    return !m_reading && ArchiveBool(&value);
}

bool CKorvexArchiveBase::WriteDouble(double value)
{
    return !m_reading && ArchiveDouble(&value);
}

bool CKorvexArchiveBase::WriteString(const CKorvexString& value)
{
    CKorvexString copy = value;
    return !m_reading && ArchiveString(&copy);
}

bool CKorvexArchiveBase::ReadInt(int& value)
{
    if (!m_reading)
        return false;
    unsigned bits = static_cast<unsigned>(value);
    const bool ok = ArchiveUInt(&bits);
    value = static_cast<int>(bits);
    return ok;
}

bool CKorvexArchiveBase::ReadBool(bool& value)
{
    return m_reading && ArchiveBool(&value);
}

bool CKorvexArchiveBase::ReadDouble(double& value)
{
    return m_reading && ArchiveDouble(&value);
}

bool CKorvexArchiveBase::ReadString(CKorvexString& value)
{
    return m_reading && ArchiveString(&value);
}

bool CKorvexArchiveBase::OnBegin()
{
    return true;
}

bool CKorvexArchiveBase::EnterNested()
{
    if (m_depth >= kMaxNesting)
        return false;
    ++m_depth;
    return true;
}

void CKorvexArchiveBase::LeaveNested()
{
    if (m_depth > 0)
        --m_depth;
}

} // namespace Korvex
