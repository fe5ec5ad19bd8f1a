#include "properties/CKorvexPreferences.h"

#include "services/CKorvexProductInfo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>

namespace {

const QString designerGroup = QStringLiteral("Designer");
const QString gridSizeKey = QStringLiteral("GridSize");
const QString snappingKey = QStringLiteral("SnappingCheckBox");

// Missing or unreadable values become 0, which the field raises to its minimum; values beyond
// an int are clamped rather than wrapped, so the field shows its maximum for them.
int storedGridSize(const QVariant& value)
{
    bool ok = false;
    const qlonglong size = value.toLongLong(&ok);
    if (!ok)
        return 0;
    return static_cast<int>(qBound<qlonglong>(std::numeric_limits<int>::min(), size,
                                               std::numeric_limits<int>::max()));
}

} // namespace

CKorvexPreferences::CKorvexPreferences(QWidget* parent) : QDialog(parent)
{
    setupUi();
    readSettings();
    connectSlots();
}

CKorvexPreferences::~CKorvexPreferences() = default;

void CKorvexPreferences::setupUi()
{
    setObjectName(QStringLiteral("CKorvexPreferences"));
    setWindowTitle(tr("Preferences"));
    auto* layout = new QVBoxLayout(this);
    m_tabWidget = new QTabWidget(this);
    m_tabWidget->setObjectName(QStringLiteral("tabWidget"));
    m_tabWidget->addTab(buildGridTab(), tr("Grid Preferences"));
    layout->addWidget(m_tabWidget);
    layout->addWidget(buildButtons());
}

QWidget* CKorvexPreferences::buildGridTab()
{
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tab"));
    auto* grid = new QGridLayout(tab);
    m_gridSizeSpinBox = new QSpinBox(tab);
    m_gridSizeSpinBox->setObjectName(QStringLiteral("gridSizeSpinBox"));
    m_gridSizeSpinBox->setRange(2, 1000);
    m_gridSizeSpinBox->setValue(10);
    m_snappingCheckBox = new QCheckBox(tr("Snap to grid while moving/dragging"), tab);
    m_snappingCheckBox->setObjectName(QStringLiteral("SnapingCheckBox"));
    m_snappingCheckBox->setChecked(true);
    grid->addWidget(new QLabel(tr("Grid Unit Size"), tab), 0, 0);
    grid->addWidget(m_gridSizeSpinBox, 0, 1);
    grid->addWidget(new QLabel(tr("Pixels"), tab), 0, 2);
    grid->addWidget(m_snappingCheckBox, 1, 0, 1, 3);
    grid->setRowStretch(2, 1);
    return tab;
}

QWidget* CKorvexPreferences::buildButtons()
{
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    m_okButton = new QPushButton(tr("OK"), buttons);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"), buttons);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    row->addStretch();
    row->addWidget(m_okButton);
    row->addWidget(m_cancelButton);
    return buttons;
}

void CKorvexPreferences::readSettings()
{
    std::unique_ptr<QSettings> settings = CKorvexProductInfo::openSettings();
    settings->beginGroup(designerGroup);
    m_gridSizeSpinBox->setValue(storedGridSize(settings->value(gridSizeKey, 0)));
    m_snappingCheckBox->setChecked(settings->value(snappingKey, false).toBool());
    m_gridSizeSpinBox->setEnabled(m_snappingCheckBox->isChecked());
}

void CKorvexPreferences::connectSlots()
{
    connect(m_okButton, &QPushButton::clicked, this, &CKorvexPreferences::onOkButtonClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_snappingCheckBox, &QCheckBox::stateChanged, this,
            &CKorvexPreferences::onSnappingCheckBoxChecked);
}

void CKorvexPreferences::onOkButtonClicked()
{
    std::unique_ptr<QSettings> settings = CKorvexProductInfo::openSettings();
    settings->beginGroup(designerGroup);
    settings->setValue(gridSizeKey, m_gridSizeSpinBox->value());
    settings->setValue(snappingKey, m_snappingCheckBox->isChecked());
    accept();
}

void CKorvexPreferences::onSnappingCheckBoxChecked(int state)
{
    m_gridSizeSpinBox->setEnabled(state != Qt::Unchecked);
}
