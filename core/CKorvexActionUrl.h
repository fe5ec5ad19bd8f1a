#pragma once

#include "core/CKorvexBasicAction.h"
#include "core/CKorvexString.h"

namespace Korvex {

/// Opens a web address, or local HTML content from a folder starting at one of its files.
class CKorvexActionUrl : public CKorvexBasicAction
{
public:
    explicit CKorvexActionUrl(const CKorvexString& url = CKorvexString());

    const CKorvexString& Url() const { return m_url; }
    void SetUrl(const CKorvexString& url) { m_url = url; }
    const CKorvexString& LocalHtmlPath() const { return m_localHtmlPath; }
    void SetLocalHtmlPath(const CKorvexString& path) { m_localHtmlPath = path; }
    /// A file name only, inside LocalHtmlPath().
    const CKorvexString& StartupHtmlFile() const { return m_startupHtmlFile; }
    void SetStartupHtmlFile(const CKorvexString& fileName) { m_startupHtmlFile = fileName; }

    enumActionKind Kind() const override { return ActionKindUrl; }
    bool IsEqual(const CKorvexBasicAction& other) const override;
    bool ReadFromArchive(CKorvexArchiveBase& archive) override;
    bool WriteIntoArchive(CKorvexArchiveBase& archive) const override;

private:
    CKorvexString m_url;
    CKorvexString m_localHtmlPath;
    CKorvexString m_startupHtmlFile;
};

} // namespace Korvex
