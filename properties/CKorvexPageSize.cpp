#include "properties/CKorvexPageSize.h"

#include "properties/CKorvexPageUnits.h"
#include "properties/CKorvexPaperSizes.h"
#include "services/CKorvexProductInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <cmath>
#include <memory>

namespace {

const QString designerGroup = QStringLiteral("Designer");
const QString keepAspectRatioKey = QStringLiteral("keepAspectRatio");
const QString unitTypeKey = QStringLiteral("unitType");

std::unique_ptr<QSettings> openDesignerSettings()
{
    std::unique_ptr<QSettings> settings = CKorvexProductInfo::openSettings();
    settings->beginGroup(designerGroup);
    return settings;
}

int truncatedPixels(double value)
{
    if (std::isnan(value) || value < CKorvexPageUnits::minimumPixels)
        return CKorvexPageUnits::minimumPixels;
    if (value > CKorvexPageUnits::maximumPixels)
        return CKorvexPageUnits::maximumPixels;
    return static_cast<int>(value);
}

} // namespace

// Widgets set from code must not run the change handlers; nested scopes reconnect only at the outermost.
class CKorvexPageSize::SlotsDisconnected
{
public:
    explicit SlotsDisconnected(CKorvexPageSize& dialog) : m_dialog(dialog)
    {
        if (m_dialog.m_disconnectDepth++ == 0)
            m_dialog.disconnectSlots();
    }
    ~SlotsDisconnected()
    {
        if (--m_dialog.m_disconnectDepth == 0)
            m_dialog.connectSlots();
    }
    SlotsDisconnected(const SlotsDisconnected&) = delete;
    SlotsDisconnected& operator=(const SlotsDisconnected&) = delete;

private:
    CKorvexPageSize& m_dialog;
};

CKorvexPageSize::CKorvexPageSize(QWidget* parent) : QDialog(parent)
{
    m_form.setupUi(this);
    connectButtons();
    chainUnitBoxes();
    connectSlots();
    fillPageSizes();
    restoreKeepAspectRatio();
    m_form.heightInPdfUnitsSpinBox->setValue(8.27);
    m_form.widthInPdfUnitsSpinBox->setValue(11.69);
    m_referenceWidth = m_form.widthSpinBox->value();
    m_referenceHeight = m_form.heightSpinBox->value();
    restoreUnit();
}

CKorvexPageSize::~CKorvexPageSize() = default;

void CKorvexPageSize::connectButtons()
{
    connect(m_form.okButton, &QPushButton::clicked, this, &CKorvexPageSize::saveLastUnit);
    connect(m_form.okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_form.cancelButton, &QPushButton::clicked, this, &CKorvexPageSize::saveLastUnit);
    connect(m_form.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void CKorvexPageSize::chainUnitBoxes()
{
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(m_form.widthInPdfUnitsComboBox, indexChanged, m_form.heightInPdfUnitsComboBox,
            &QComboBox::setCurrentIndex);
    connect(m_form.heightInPdfUnitsComboBox, indexChanged, m_form.resolutionInPdfUnitsComboBox,
            &QComboBox::setCurrentIndex);
    connect(m_form.resolutionInPdfUnitsComboBox, indexChanged, m_form.widthInPdfUnitsComboBox,
            &QComboBox::setCurrentIndex);
}

void CKorvexPageSize::connectSlots()
{
    const auto spinChanged = QOverload<int>::of(&QSpinBox::valueChanged);
    const auto doubleChanged = QOverload<double>::of(&QDoubleSpinBox::valueChanged);
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    m_slotConnections = {
        connect(m_form.widthSpinBox, spinChanged, this, &CKorvexPageSize::widthSpinBoxValueChanged),
        connect(m_form.heightSpinBox, spinChanged, this, &CKorvexPageSize::heightSpinBoxValueChanged),
        connect(m_form.widthInPdfUnitsSpinBox, doubleChanged, this,
                &CKorvexPageSize::widthInPdfUnitsSpinBoxValueChanged),
        connect(m_form.heightInPdfUnitsSpinBox, doubleChanged, this,
                &CKorvexPageSize::heightInPdfUnitsSpinBoxValueChanged),
        connect(m_form.widthInPdfUnitsComboBox, indexChanged, this,
                &CKorvexPageSize::widthInPdfUnitsComboBoxCurrentIndexChanged),
        connect(m_form.heightInPdfUnitsComboBox, indexChanged, this,
                &CKorvexPageSize::heightInPdfUnitsComboBoxCurrentIndexChanged),
        connect(m_form.sizeOrientationComboBox, indexChanged, this,
                &CKorvexPageSize::sizeOrientationComboBoxCurrentIndexChanged),
        connect(m_form.pageSizeComboBox, indexChanged, this,
                &CKorvexPageSize::pageSizeComboBoxCurrentIndexChanged),
        connect(m_form.resolutionStandardUnitsComboBox, indexChanged, this,
                &CKorvexPageSize::resolutionStandardUnitsComboBoxCurrentIndexChanged),
        connect(m_form.keepAspectRatioCheckBox, &QCheckBox::stateChanged, this,
                &CKorvexPageSize::keepAspectRatioCheckBoxStateChanged),
    };
}

void CKorvexPageSize::disconnectSlots()
{
    for (const QMetaObject::Connection& connection : qAsConst(m_slotConnections))
        disconnect(connection);
    m_slotConnections.clear();
}

void CKorvexPageSize::fillPageSizes()
{
    for (const CKorvexPaperSizes::Paper& paper : CKorvexPaperSizes::papers())
        m_form.pageSizeComboBox->addItem(tr(qPrintable(paper.name)));
}

void CKorvexPageSize::restoreKeepAspectRatio()
{
    const bool keep = openDesignerSettings()->value(keepAspectRatioKey, false).toBool();
    m_form.keepAspectRatioCheckBox->setChecked(keep);
}

void CKorvexPageSize::restoreUnit()
{
    const QString stored = openDesignerSettings()->value(unitTypeKey).toString();
    const int index = unitIndexOf(stored);
    if (index >= 0)
        m_form.widthInPdfUnitsComboBox->setCurrentIndex(index);
}

int CKorvexPageSize::unitIndexOf(const QString& text) const
{
    for (int i = 0; i < m_form.widthInPdfUnitsComboBox->count(); ++i) {
        if (text == m_form.widthInPdfUnitsComboBox->itemText(i)
            || text == m_form.resolutionInPdfUnitsComboBox->itemText(i))
            return i;
    }
    return -1;
}

int CKorvexPageSize::unit() const
{
    return m_form.widthInPdfUnitsComboBox->currentIndex();
}

int CKorvexPageSize::dpi() const
{
    return m_form.resolutionStandardUnitsComboBox->currentText().toInt();
}

void CKorvexPageSize::setOrientation(Orientation orientation)
{
    m_form.sizeOrientationComboBox->setCurrentIndex(orientation);
}

void CKorvexPageSize::recomputePhysicalFields()
{
    SlotsDisconnected disconnected(*this);
    m_form.widthInPdfUnitsSpinBox->setValue(
        CKorvexPageUnits::toPhysical(m_form.widthSpinBox->value(), unit(), dpi()));
    m_form.heightInPdfUnitsSpinBox->setValue(
        CKorvexPageUnits::toPhysical(m_form.heightSpinBox->value(), unit(), dpi()));
}

void CKorvexPageSize::setSizeFieldsEnabled(bool enabled)
{
    for (QWidget* widget : {static_cast<QWidget*>(m_form.widthInPdfUnitsSpinBox),
                            static_cast<QWidget*>(m_form.heightInPdfUnitsSpinBox),
                            static_cast<QWidget*>(m_form.widthInPdfUnitsComboBox),
                            static_cast<QWidget*>(m_form.heightInPdfUnitsComboBox),
                            static_cast<QWidget*>(m_form.widthSpinBox),
                            static_cast<QWidget*>(m_form.heightSpinBox),
                            static_cast<QWidget*>(m_form.keepAspectRatioCheckBox),
                            static_cast<QWidget*>(m_form.resolutionInPdfUnitsComboBox)})
        widget->setEnabled(enabled);
}

void CKorvexPageSize::updatePixelsFromPhysical()
{
    SlotsDisconnected disconnected(*this);
    widthInPdfUnitsSpinBoxValueChanged(m_form.widthInPdfUnitsSpinBox->value());
    heightInPdfUnitsSpinBoxValueChanged(m_form.heightInPdfUnitsSpinBox->value());
}

void CKorvexPageSize::setSize(double width, double height)
{
    {
        SlotsDisconnected disconnected(*this);
        m_form.widthSpinBox->setValue(truncatedPixels(width));
        m_form.heightSpinBox->setValue(truncatedPixels(height));
        m_referenceWidth = m_form.widthSpinBox->value();
        m_referenceHeight = m_form.heightSpinBox->value();
        setOrientation(m_referenceWidth <= m_referenceHeight ? Portrait : Landscape);
        recomputePhysicalFields();
    }
    restoreUnit();
}

void CKorvexPageSize::setPageSizeType(const QString& name)
{
    const bool portrait = m_form.widthSpinBox->value() <= m_form.heightSpinBox->value();
    const int index = m_form.pageSizeComboBox->findText(name);
    if (index >= 0)
        m_form.pageSizeComboBox->setCurrentIndex(index);
    setOrientation(portrait ? Portrait : Landscape);
}

void CKorvexPageSize::setResolution(int dpi)
{
    {
        SlotsDisconnected disconnected(*this);
        m_form.resolutionStandardUnitsComboBox->setCurrentIndex(CKorvexPageUnits::resolutionIndex(dpi));
    }
    // A custom page is given in pixels; a paper keeps its physical size at the new resolution.
    if (m_form.pageSizeComboBox->currentIndex() <= 0)
        recomputePhysicalFields();
    else
        updatePixelsFromPhysical();
}

QSizeF CKorvexPageSize::size() const
{
    return QSizeF(m_form.widthSpinBox->value(), m_form.heightSpinBox->value());
}

int CKorvexPageSize::resolution() const
{
    return dpi();
}

QString CKorvexPageSize::pageSizeType() const
{
    return m_form.pageSizeComboBox->currentText();
}

void CKorvexPageSize::widthSpinBoxValueChanged(int width)
{
    SlotsDisconnected disconnected(*this);
    m_form.widthInPdfUnitsSpinBox->setValue(CKorvexPageUnits::toPhysical(width, unit(), dpi()));
    if (m_form.keepAspectRatioCheckBox->isChecked()) {
        m_form.heightSpinBox->setValue(
            CKorvexPageUnits::keepAspect(m_referenceHeight, width, m_referenceWidth));
        m_form.heightInPdfUnitsSpinBox->setValue(
            CKorvexPageUnits::toPhysical(m_form.heightSpinBox->value(), unit(), dpi()));
    }
    setOrientation(width < m_form.heightSpinBox->value() ? Portrait : Landscape);
}

void CKorvexPageSize::heightSpinBoxValueChanged(int height)
{
    SlotsDisconnected disconnected(*this);
    m_form.heightInPdfUnitsSpinBox->setValue(CKorvexPageUnits::toPhysical(height, unit(), dpi()));
    if (m_form.keepAspectRatioCheckBox->isChecked()) {
        m_form.widthSpinBox->setValue(
            CKorvexPageUnits::keepAspect(m_referenceWidth, height, m_referenceHeight));
        m_form.widthInPdfUnitsSpinBox->setValue(
            CKorvexPageUnits::toPhysical(m_form.widthSpinBox->value(), unit(), dpi()));
    }
    setOrientation(height >= m_form.widthSpinBox->value() ? Portrait : Landscape);
}

void CKorvexPageSize::widthInPdfUnitsSpinBoxValueChanged(double width)
{
    {
        SlotsDisconnected disconnected(*this);
        m_form.widthSpinBox->setValue(CKorvexPageUnits::toPixels(width, unit(), dpi()));
    }
    m_lastWidthInUnits = width;
    m_lastUnitText = m_form.widthInPdfUnitsComboBox->currentText();
}

void CKorvexPageSize::heightInPdfUnitsSpinBoxValueChanged(double height)
{
    {
        SlotsDisconnected disconnected(*this);
        m_form.heightSpinBox->setValue(CKorvexPageUnits::toPixels(height, unit(), dpi()));
    }
    m_lastHeightInUnits = height;
    m_lastUnitText = m_form.widthInPdfUnitsComboBox->currentText();
}

void CKorvexPageSize::widthInPdfUnitsComboBoxCurrentIndexChanged(int)
{
    widthSpinBoxValueChanged(m_form.widthSpinBox->value());
    heightSpinBoxValueChanged(m_form.heightSpinBox->value());
    saveLastUnit();
}

void CKorvexPageSize::heightInPdfUnitsComboBoxCurrentIndexChanged(int index)
{
    widthInPdfUnitsComboBoxCurrentIndexChanged(index);
}

void CKorvexPageSize::sizeOrientationComboBoxCurrentIndexChanged(int index)
{
    {
        SlotsDisconnected disconnected(*this);
        const int width = m_form.widthSpinBox->value();
        const int height = m_form.heightSpinBox->value();
        const bool landscape = index == Landscape;
        m_form.widthSpinBox->setValue(landscape ? qMax(width, height) : qMin(width, height));
        m_form.heightSpinBox->setValue(landscape ? qMin(width, height) : qMax(width, height));
    }
    widthSpinBoxValueChanged(m_form.widthSpinBox->value());
    heightSpinBoxValueChanged(m_form.heightSpinBox->value());
}

void CKorvexPageSize::pageSizeComboBoxCurrentIndexChanged(int index)
{
    const CKorvexPaperSizes::Paper& paper = CKorvexPaperSizes::paper(index);
    const bool custom = index <= 0;
    {
        SlotsDisconnected disconnected(*this);
        if (!custom) {
            setOrientation(CKorvexPaperSizes::isPortrait(paper) ? Portrait : Landscape);
            m_form.keepAspectRatioCheckBox->setChecked(false);
        }
        setSizeFieldsEnabled(custom);
    }
    m_form.widthInPdfUnitsComboBox->setCurrentIndex(CKorvexPageUnits::Inches);
    m_form.heightInPdfUnitsComboBox->setCurrentIndex(CKorvexPageUnits::Inches);
    m_form.widthInPdfUnitsSpinBox->setValue(paper.widthInches);
    m_form.heightInPdfUnitsSpinBox->setValue(paper.heightInches);
    // An unchanged field sends no signal, yet the pixels must still match the paper.
    updatePixelsFromPhysical();
}

void CKorvexPageSize::resolutionStandardUnitsComboBoxCurrentIndexChanged(int)
{
    updatePixelsFromPhysical();
}

void CKorvexPageSize::keepAspectRatioCheckBoxStateChanged(int)
{
    m_referenceWidth = m_form.widthSpinBox->value();
    m_referenceHeight = m_form.heightSpinBox->value();
    openDesignerSettings()->setValue(keepAspectRatioKey, m_form.keepAspectRatioCheckBox->isChecked());
}

void CKorvexPageSize::saveLastUnit()
{
    openDesignerSettings()->setValue(unitTypeKey, m_form.widthInPdfUnitsComboBox->currentText());
}
