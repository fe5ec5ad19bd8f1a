#include "properties/CKorvexGradientDialog.h"

#include "properties/QColorRampEditor.h"

#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

CKorvexGradientDialog::CKorvexGradientDialog(QWidget* parent)
    : QDialog(parent)
    , m_colorSlider(new QColorRampEditor(this))
    , m_okButton(new QPushButton(tr("OK"), this))
    , m_cancelButton(new QPushButton(tr("Cancel"), this))
{
    setObjectName(QStringLiteral("CKorvexGradientDialog"));
    setWindowTitle(tr("Gradient Dialog"));
    m_colorSlider->setObjectName(QStringLiteral("colorSlider"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_colorSlider, 1);
    column->addLayout(buttons);
    setSizeGripEnabled(true);
    resize(433, 133);
    connect(m_okButton, &QPushButton::clicked, this, &CKorvexGradientDialog::onOkButtonClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &CKorvexGradientDialog::onCancelButtonClicked);
}

void CKorvexGradientDialog::setGradient(const QLinearGradient& gradient)
{
    m_gradient = gradient;
    m_colorSlider->setRamp(gradient.stops());
}

void CKorvexGradientDialog::onOkButtonClicked()
{
    m_accepted = true;
    close();
}

void CKorvexGradientDialog::onCancelButtonClicked()
{
    m_accepted = false;
    close();
}

QStringList CKorvexGradientDialog::gradientList()
{
    const QGradientStops stops = m_colorSlider->getRamp();
    m_gradient = QLinearGradient(QPointF(0, 0), QPointF(1, 0));
    m_gradient.setStops(stops);
    QStringList parts{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0")};
    for (const QGradientStop& stop : stops) {
        parts << QString::number(stop.first, 'g', QLocale::FloatingPointShortest) << QString::number(stop.second.red())
              << QString::number(stop.second.green()) << QString::number(stop.second.blue());
    }
    return parts;
}
