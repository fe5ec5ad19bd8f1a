#pragma once

#include "core/CKorvexAction.h"

#include <QString>

/// Mix-in of the page items that carry a click action, and its text form.
class CKorvexActionEnabled
{
public:
    CKorvexActionEnabled();
    virtual ~CKorvexActionEnabled();

    Korvex::CKorvexAction GetAction() const { return m_action; }
    void SetAction(const Korvex::CKorvexAction& action) { m_action = action; }

    /// The archive text of the action in the current layout, or empty when it cannot be written.
    QString ActionToString() const;
    /// Reads text with the read version; the action is replaced only when it reads.
    /// Items override it to set the read version first.
    virtual bool ActionFromString(const QString& text);

    void SetActionVersion(unsigned version) { m_readVersion = version; }
    unsigned ActionVersion() const { return m_readVersion; }

private:
    Korvex::CKorvexAction m_action;
    unsigned m_readVersion;
};
