#include "properties/CKorvexBusyPopup.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

CKorvexBusyPopup::CKorvexBusyPopup(QWidget* owner, int margin)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint)
    , m_owner(owner)
    , m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("busyPopup"));
    m_label->setObjectName(QStringLiteral("busyLabel"));
    m_label->setTextFormat(Qt::RichText);
    m_label->setAlignment(Qt::AlignCenter);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(m_label);
}

void CKorvexBusyPopup::showNow(const QString& richText)
{
    m_label->setText(richText);
    adjustSize();
    if (m_owner) {
        const QPoint centre = m_owner->mapToGlobal(m_owner->rect().center());
        move(centre - rect().center());
    }
    show();
    // The caller blocks the event loop next; the window must be mapped and painted first.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

QString CKorvexBusyPopup::text() const
{
    return m_label->text();
}
