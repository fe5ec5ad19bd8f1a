#include "fuzz/KorvexSilentPrompt.h"

#include "services/CKorvexPrompt.h"

#include <QDialog>

KorvexSilentPrompt::KorvexSilentPrompt()
    : m_previous(&CKorvexPrompt::handler())
{
    CKorvexPrompt::setHandler(this);
}

KorvexSilentPrompt::~KorvexSilentPrompt()
{
    CKorvexPrompt::setHandler(m_previous == this ? nullptr : m_previous);
}

int KorvexSilentPrompt::message(QWidget*, const CKorvexMessageRequest& request)
{
    // A box with one button can only be acknowledged; any other is closed.
    return request.buttons.size() == 1 ? 0 : request.escapeButton;
}

QString KorvexSilentPrompt::file(QWidget*, const CKorvexFileRequest&)
{
    return QString();
}

QColor KorvexSilentPrompt::color(QWidget*, const CKorvexColorRequest&)
{
    return QColor();
}

int KorvexSilentPrompt::exec(QDialog&)
{
    return QDialog::Rejected;
}

QAction* KorvexSilentPrompt::popup(QMenu&, const QPoint&)
{
    return nullptr;
}
