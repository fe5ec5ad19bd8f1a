#include "properties/CKorvexPropertyWidget.h"

#include "actions/CKorvexActionEnabled.h"
#include "actions/CKorvexActionWidget.h"
#include "io/CKorvexPropertyKeys.h"
#include "io/CKorvexPropertyValue.h"
#include "properties/CKorvexBusyPopup.h"
#include "properties/CKorvexFontCatalog.h"
#include "properties/CKorvexGradientDialog.h"
#include "properties/CKorvexSourceRows.h"
#include "properties/CKorvexSwatchStyle.h"
#include "properties/CKorvexTextEditor.h"
#include "properties/CKorvexThreadedFontLoading.h"
#include "scene/CKorvexDesigner3DArea.h"
#include "scene/CKorvexDesignerFormTextBox.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerLabel.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexItemDataSlots.h"
#include "scene/CKorvexPictureFiles.h"
#include "services/CKorvexProductInfo.h"
#include "services/CKorvexPrompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTextDocument>

namespace P = CKorvexPropertyKeys;
namespace T = CKorvexItemTypes;

namespace {

const QString lastImagePathKey = QStringLiteral("Designer/imagelastpath");

QStringList listOf(const CKorvexDesignerProperty& record, const QString& key)
{
    return record.value(key).toStringList();
}

bool isLabelType(const QString& type)
{
    return type == T::Label || type == T::Text || type == T::Link;
}

QBrush brushOf(const QStringList& fill)
{
    return QBrush(CKorvexPropertyValue::color(fill).value_or(QColor()));
}

} // namespace

CKorvexPropertyWidget::CKorvexPropertyWidget(QWidget* parent)
    : QWidget(parent)
{
    m_form.setupUi(this);
    m_transparentWord = tr("Transparent");
    m_singleColorWord = tr("Single Color");
    m_linearGradientWord = tr("Linear Gradient");
    m_imageWord = tr("Image");
    m_sources = std::make_unique<CKorvexSourceRows>(*this);
    m_fonts = std::make_unique<CKorvexFontCatalog>();
    m_lastImagePath = CKorvexProductInfo::openSettings()->value(lastImagePathKey).toString();
    for (QWidget* row : m_form.rows())
        row->hide();
    connectButtons();
    connectFields();
}

CKorvexPropertyWidget::~CKorvexPropertyWidget()
{
    // A scene that outlives its panel must not call into it while its items go.
    if (m_scene && m_scene->propertyWidget() == this)
        m_scene->setPropertyWidget(nullptr);
    // The loading thread writes into the catalog this panel owns.
    if (m_fontLoading)
        m_fontLoading->wait();
}

void CKorvexPropertyWidget::setScene(CKorvexDesignerScene* scene)
{
    m_scene = scene;
}

CKorvexDesignerItem* CKorvexPropertyWidget::companion() const
{
    return qobject_cast<CKorvexDesignerItem*>(m_record.owner());
}

QGraphicsItem* CKorvexPropertyWidget::item() const
{
    CKorvexDesignerItem* owner = companion();
    return owner ? owner->item() : nullptr;
}

void CKorvexPropertyWidget::connectButtons()
{
    connect(m_form.penColorButton, &QPushButton::clicked, this, &CKorvexPropertyWidget::onPenColorButtonClick);
    connect(m_form.fillColorButton, &QPushButton::clicked, this, &CKorvexPropertyWidget::onFillColorButtonClick);
    connect(m_form.imagePathButton, &QPushButton::clicked, this, &CKorvexPropertyWidget::onImagePathButtonClick);
    connect(m_form.imageXButton, &QPushButton::clicked, this, &CKorvexPropertyWidget::onImageXButtonClick);
    connect(m_form.textButton, &QPushButton::clicked, this, &CKorvexPropertyWidget::onTextButtonClick);
    connect(m_form.imgDicPathButton, &QPushButton::clicked, this, &CKorvexPropertyWidget::oniImgDicPathButtonClicked);
}

void CKorvexPropertyWidget::connectFields()
{
    const auto valueChanged = QOverload<int>::of(&QSpinBox::valueChanged);
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    for (QSpinBox* box : {m_form.locationXSpinBox, m_form.locationYSpinBox, m_form.endLocationXSpinBox,
                          m_form.endLocationYSpinBox}) {
        connect(box, valueChanged, this, &CKorvexPropertyWidget::onLocationXYChanged);
        connect(box, &QSpinBox::editingFinished, this, &CKorvexPropertyWidget::editingFinished);
    }
    for (QSpinBox* box : {m_form.widthSpinBox, m_form.heightSpinBox}) {
        connect(box, valueChanged, this, &CKorvexPropertyWidget::onSpinWidthHeightChanged);
        connect(box, &QSpinBox::editingFinished, this, &CKorvexPropertyWidget::editingFinished);
    }
    connect(m_form.penWidthSpinBox, valueChanged, this, &CKorvexPropertyWidget::onPenWidthChange);
    connect(m_form.zValueSpinBox, valueChanged, this, &CKorvexPropertyWidget::applyChanges);
    connect(m_form.urlLineEdit, &QLineEdit::textChanged, this, &CKorvexPropertyWidget::applyChanges);
    connect(m_form.formTextBoxLineEdit, &QLineEdit::textChanged, this,
            &CKorvexPropertyWidget::onTextRectCustomIDEditChange);
    connect(m_form.fillColorComboBox, indexChanged, this, &CKorvexPropertyWidget::fillColorComboxStateChange);
    connect(m_form.opacitySpinBox, &QSlider::valueChanged, this, &CKorvexPropertyWidget::onOpacityChange);
    connect(m_form.opacitySpinBox, &QSlider::sliderPressed, this, &CKorvexPropertyWidget::sliderPressed);
    connect(m_form.opacitySpinBox, &QSlider::sliderReleased, this, &CKorvexPropertyWidget::sliderReleased);
    connect(m_form.imgSourceComboBox, indexChanged, this, &CKorvexPropertyWidget::onImgSourceComboBox);
    connect(m_form.imgSceneStateType, indexChanged, this, &CKorvexPropertyWidget::onImgSceneStateTypeChanged);
    connect(m_form.textSourceComboBox, indexChanged, this, &CKorvexPropertyWidget::onTextSourceComboBox);
    connect(m_form.imgKeepAspectRatioCheckBox, &QCheckBox::stateChanged, this,
            &CKorvexPropertyWidget::onImgKeepAspectRatioChange);
    connect(m_form.imgScaleToFitCheckBox, &QCheckBox::stateChanged, this, &CKorvexPropertyWidget::onImgScaleToFitChange);
    connect(m_form.ImgSceneStateLineEdit, &QLineEdit::textChanged, this,
            &CKorvexPropertyWidget::onImgSceneStateLineEditChanged);
    connect(m_form.ImgDicLineEdit, &QLineEdit::textChanged, this, &CKorvexPropertyWidget::onImgDictionaryLineEditChanged);
    connect(m_form.ImgDicValueLineEdit, &QLineEdit::textChanged, this, &CKorvexPropertyWidget::onImgDicValueLineEditChange);
    connect(m_form.textDicLineEdit, &QLineEdit::textChanged, this, &CKorvexPropertyWidget::onTextDicLineEditChange);
    connect(m_form.textDicValueLineEdit, &QLineEdit::textChanged, this,
            &CKorvexPropertyWidget::onTextDicValueLineEditChange);
    connect(m_form.actionWidget, &CKorvexActionWidget::onActionInfoChange, this,
            &CKorvexPropertyWidget::onActionWidgetChange);
    connect(m_form.actionWidget, &CKorvexActionWidget::onActionSettingsWillChange, this,
            &CKorvexPropertyWidget::onActionSettingsWillChange);
    connect(m_form.actionWidget, &CKorvexActionWidget::onActionSettingsChanged, this,
            &CKorvexPropertyWidget::onActionSettingsFinishChange);
}

std::vector<QSignalBlocker> CKorvexPropertyWidget::quiet() const
{
    const QList<QObject*> fields{
        m_form.locationXSpinBox, m_form.locationYSpinBox, m_form.endLocationXSpinBox, m_form.endLocationYSpinBox,
        m_form.widthSpinBox, m_form.heightSpinBox, m_form.penWidthSpinBox, m_form.zValueSpinBox,
        m_form.urlLineEdit, m_form.formTextBoxLineEdit, m_form.fillColorComboBox, m_form.opacitySpinBox,
        m_form.imgSourceComboBox, m_form.imgSceneStateType, m_form.textSourceComboBox,
        m_form.imgKeepAspectRatioCheckBox, m_form.imgScaleToFitCheckBox, m_form.ImgSceneStateLineEdit,
        m_form.ImgDicLineEdit, m_form.ImgDicValueLineEdit, m_form.textDicLineEdit, m_form.textDicValueLineEdit,
        m_form.actionWidget};
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(size_t(fields.size()));
    for (QObject* field : fields)
        blockers.emplace_back(field);
    return blockers;
}

void CKorvexPropertyWidget::showProperties(const CKorvexDesignerProperty& record)
{
    const auto blocked = quiet();
    m_record = record;
    const QString type = m_record.value(P::Type).toString();
    QGraphicsItem* shown = item();
    const bool sameItem = shown && shown == m_shownItem;
    if ((shown && shown != m_shownItem) || type.isEmpty())
        layOutRows(type);
    showPlacement();
    if (type != T::Area3D)
        showFill();
    show3DMode();
    m_form.widthSpinBox->setValue(int(m_record.value(P::Width).toDouble()));
    m_form.heightSpinBox->setValue(int(m_record.value(P::Height).toDouble()));
    m_form.textLineEdit->setText(m_record.value(P::Text).toString());
    if (type == T::FormTextBox && m_record.contains(P::CustomId))
        m_form.formTextBoxLineEdit->setText(m_record.value(P::CustomId).toString());
    showImagePath();
    m_form.urlLineEdit->setText(m_record.value(P::Url).toString());
    m_form.zValueSpinBox->setValue(m_record.value(P::ZValue).toInt());
    showAction();
    m_sources->fill(m_record, sameItem);
    m_shownItem = shown;
}

void CKorvexPropertyWidget::showAgain()
{
    showProperties(CKorvexDesignerProperty(m_record));
}

void CKorvexPropertyWidget::layOutRows(const QString& type)
{
    if (type == m_currentType)
        return;
    m_currentType = type;
    for (QWidget* row : m_form.rows())
        row->hide();
    m_sources->forgetImageLayout();
    m_form.fillColorLable->setText(type == T::Area3D ? tr("Background Fill Mode ") : tr("Fill Mode "));
    showTypeRows(type);
    clearFillMode(fillModesOf(type));
    if (type == T::Line)
        m_form.penWidthSpinBox->setMinimum(1);
    else if (type == T::Rect)
        m_form.penWidthSpinBox->setMinimum(0);
}

void CKorvexPropertyWidget::showTypeRows(const QString& type)
{
    const CKorvexPropertyForm& f = m_form;
    QList<QWidget*> shown;
    bool modeRow = false;
    bool swatchRow = false;
    bool swatchLabel = false;
    bool imageRow = false;
    if (type == T::Line) {
        shown = {f.locationGroup, f.endLocationGroup, f.penGroupBox};
    } else if (type == T::Rect) {
        shown = {f.locationGroup, f.penGroupBox, f.sizeGroupBox, f.fillColorGroup};
        modeRow = swatchRow = true;
    } else if (type == T::FormTextBox) {
        shown = {f.locationGroup, f.sizeGroupBox, f.formTextBoxNameGroup};
    } else if (isLabelType(type)) {
        shown = {f.locationGroup, f.textGroup, f.actionWidget, f.fillColorGroup, f.opacityGroupBox};
        swatchRow = swatchLabel = true;
    } else if (type == T::Image) {
        shown = {f.locationGroup, f.sizeGroupBox, f.fillColorGroup, f.actionWidget};
        imageRow = true;
    } else if (type == T::Area3D) {
        shown = {f.locationGroup, f.sizeGroupBox, f.fillColorGroup};
        modeRow = true;
    } else if (type == T::Screen) {
        shown = {f.fillColorGroup};
        modeRow = swatchLabel = true;
    }
    for (QWidget* row : shown)
        row->show();
    f.fillModeGroup->setVisible(modeRow);
    f.imgBackgroundLabel->setVisible(swatchLabel);
    showFillSubRows(swatchRow, imageRow);
}

QStringList CKorvexPropertyWidget::fillModesOf(const QString& type) const
{
    QString joined;
    if (type == T::Rect)
        joined = QStringLiteral("%1#%2").arg(m_singleColorWord, m_linearGradientWord);
    else if (isLabelType(type))
        joined = m_singleColorWord;
    else if (type == T::Area3D)
        joined = QStringLiteral("%1#%2#%3").arg(m_transparentWord, m_singleColorWord, m_imageWord);
    else if (type == T::Screen)
        joined = QStringLiteral("%1#%2#%3").arg(m_singleColorWord, m_linearGradientWord, m_imageWord);
    return joined.isEmpty() ? QStringList() : joined.split(QLatin1Char('#'));
}

void CKorvexPropertyWidget::clearFillMode(const QStringList& options)
{
    const QSignalBlocker blocked(m_form.fillColorComboBox);
    m_form.fillColorComboBox->setCurrentIndex(-1);
    m_form.fillColorComboBox->clear();
    if (options.isEmpty())
        m_form.fillColorComboBox->addItem(m_singleColorWord);
    for (const QString& option : options)
        m_form.fillColorComboBox->addItem(option.trimmed());
    m_form.fillColorComboBox->setCurrentIndex(0);
}

void CKorvexPropertyWidget::showPlacement()
{
    const QPointF start = CKorvexPropertyValue::point(m_record.value(P::StartLocation));
    const QPointF end = CKorvexPropertyValue::point(m_record.value(P::EndLocation));
    m_form.locationXSpinBox->setValue(int(start.x()));
    m_form.locationYSpinBox->setValue(int(start.y()));
    m_form.endLocationXSpinBox->setValue(int(end.x()));
    m_form.endLocationYSpinBox->setValue(int(end.y()));
    m_form.penWidthSpinBox->setValue(int(m_record.value(P::PenWidth).toDouble()));
    const QStringList pen = listOf(m_record, P::PenColor);
    if (pen.size() == 3)
        showSwatchColor(m_form.penColorLineEdit, pen);
}

void CKorvexPropertyWidget::showFill()
{
    const QStringList fill = listOf(m_record, P::FillColor);
    if (m_record.value(P::IsGradientMode).toBool()) {
        selectFillMode(m_linearGradientWord);
        showFillSubRows(true, false);
        m_form.opacityGroupBox->hide();
        const QStringList gradient = listOf(m_record, P::FillColorGradient);
        if (gradient.size() > 3)
            setSwatchStyle(m_form.fillColorLineEdit,
                           CKorvexSwatchStyle::gradientStyle(CKorvexPropertyValue::gradient(gradient)));
        return;
    }
    if (fill.size() == 3) {
        showSwatchColor(m_form.fillColorLineEdit, fill);
        const bool imageMode = m_record.value(P::IsImageMode).toBool();
        showFillSubRows(!imageMode, imageMode);
        selectFillMode(imageMode ? m_imageWord : m_singleColorWord);
    } else if (fill.size() == 4) {
        showOpacity(fill);
        showSwatchColor(m_form.fillColorLineEdit, fill);
        selectFillMode(m_singleColorWord);
    } else {
        m_form.opacityGroupBox->hide();
    }
}

void CKorvexPropertyWidget::showOpacity(const QStringList& fill)
{
    m_form.opacityGroupBox->show();
    m_form.opacitySpinBox->setValue(opacityForAlpha(fill.at(3).toInt()));
    m_form.sliderValueLabel->setText(QString::number(m_form.opacitySpinBox->value()) + QLatin1Char('%'));
}

void CKorvexPropertyWidget::show3DMode()
{
    if (!m_record.contains(P::Mode3D))
        return;
    const QString mode = m_record.value(P::Mode3D).toString();
    const QStringList fill = listOf(m_record, P::FillColor);
    if (mode == m_transparentWord) {
        selectFillMode(m_transparentWord);
        showFillSubRows(false, false);
    } else if (mode == m_singleColorWord && fill.size() == 3) {
        showSwatchColor(m_form.fillColorLineEdit, fill);
        selectFillMode(m_singleColorWord);
        showFillSubRows(true, false);
    } else if (mode == m_imageWord) {
        selectFillMode(m_imageWord);
        showFillSubRows(false, true);
    }
    m_form.opacityGroupBox->hide();
}

void CKorvexPropertyWidget::showImagePath()
{
    m_imagePath = m_record.value(P::Path).toString();
    const QFileInfo file(m_imagePath);
    m_form.imageNameOnlyLineEdit->setText(file.isFile() ? file.fileName() : QString());
    if (m_record.value(P::IsImageMode).toBool() && m_record.value(P::Type).toString() != T::Area3D) {
        showFillSubRows(false, true);
        selectFillMode(m_imageWord);
    }
}

void CKorvexPropertyWidget::showAction()
{
    const auto* carrier = dynamic_cast<CKorvexActionEnabled*>(item());
    if (carrier && m_record.contains(P::Action))
        m_form.actionWidget->SetAction(carrier->GetAction());
}

void CKorvexPropertyWidget::selectFillMode(const QString& mode)
{
    const int index = m_form.fillColorComboBox->findText(mode);
    if (index >= 0)
        m_form.fillColorComboBox->setCurrentIndex(index);
}

void CKorvexPropertyWidget::showFillSubRows(bool swatch, bool image)
{
    m_form.fillSingleGradientColorGroup->setVisible(swatch);
    m_form.imagePathGroup->setVisible(image);
}

void CKorvexPropertyWidget::showSwatchColor(QLineEdit* swatch, const QStringList& rgb)
{
    setSwatchStyle(swatch, CKorvexSwatchStyle::colorStyle(rgb));
}

void CKorvexPropertyWidget::setSwatchStyle(QLineEdit* swatch, const QString& style)
{
    // A new style sheet restyles the widget: costly when selecting from item to item.
    if (swatch->styleSheet() != style)
        swatch->setStyleSheet(style);
}

QString CKorvexPropertyWidget::fillMode() const
{
    return m_form.fillColorComboBox->currentText();
}

int CKorvexPropertyWidget::opacityForAlpha(int alpha)
{
    return int(alpha * 100.0 / 255.0);
}

int CKorvexPropertyWidget::alphaForOpacity(int opacity)
{
    return int((opacity / 100.0) * 255.0);
}

void CKorvexPropertyWidget::applyChanges()
{
    const auto blocked = quiet();
    QGraphicsItem* target = item();
    if (!target)
        return;
    m_pendingChange = true;
    applyTo(target);
    companion()->placeHandles();
}

void CKorvexPropertyWidget::applyTo(QGraphicsItem* target)
{
    const QString type = m_record.value(P::Type).toString();
    if (type == T::Line)
        applyLine(target);
    else if (type == T::Rect || type == T::Area3D || type == T::Image || type == T::Screen || type == T::FormTextBox)
        applyArea(target, type);
    else if (isLabelType(type))
        applyLabel(target);
}

void CKorvexPropertyWidget::applyLine(QGraphicsItem* target)
{
    auto* line = static_cast<CKorvexDesignerLine*>(target);
    line->setPos(m_form.locationXSpinBox->value(), m_form.locationYSpinBox->value());
    line->setEnd(m_form.endLocationXSpinBox->value(), m_form.endLocationYSpinBox->value());
    const auto recorded = CKorvexPropertyValue::color(listOf(m_record, P::PenColor));
    const QStringList pen = listOf(m_record, P::PenColor);
    const QColor color = pen.size() == 3 && recorded ? *recorded : m_penColor;
    line->setPen(QPen(color, m_form.penWidthSpinBox->value()));
    line->setZValue(m_form.zValueSpinBox->value());
}

void CKorvexPropertyWidget::applyArea(QGraphicsItem* target, const QString& type)
{
    auto* area = static_cast<CKorvexDesignerRect*>(target);
    if (type != T::Screen)
        area->setPos(m_form.locationXSpinBox->value(), m_form.locationYSpinBox->value());
    if (type == T::Rect) {
        const auto pen = CKorvexPropertyValue::color(listOf(m_record, P::PenColor));
        if (listOf(m_record, P::PenColor).size() == 3 && pen)
            area->setPen(QPen(*pen, m_form.penWidthSpinBox->value()));
        if (CKorvexPropertyValue::color(listOf(m_record, P::FillColor)))
            area->setBrush(brushOf(listOf(m_record, P::FillColor)));
        if (listOf(m_record, P::FillColorGradient).size() > 3)
            area->setGradient(CKorvexPropertyValue::gradient(m_record.value(P::FillColorGradient)));
        area->setGradientMode(fillMode() == m_linearGradientWord);
    } else if (type == T::Area3D) {
        apply3DMode(target);
    }
    m_record.setValue(P::Width, m_form.widthSpinBox->value());
    area->setWidth(m_form.widthSpinBox->value());
    m_record.setValue(P::Height, m_form.heightSpinBox->value());
    area->setHeight(m_form.heightSpinBox->value());
    if (type != T::Screen)
        area->setZValue(m_form.zValueSpinBox->value());
    if (type == T::Image) {
        auto* image = static_cast<CKorvexDesignerImage*>(target);
        image->setPath(m_imagePath);
        image->setUrl(m_form.urlLineEdit->text());
    } else if (type == T::Screen) {
        applyScreen(target);
    }
}

void CKorvexPropertyWidget::apply3DMode(QGraphicsItem* target)
{
    auto* area = static_cast<CKorvexDesigner3DArea*>(target);
    const QString mode = fillMode();
    if (mode == m_transparentWord) {
        m_record.setValue(P::Mode3D, m_transparentWord);
        area->setMode(CKorvexDesigner3DArea::Transparent);
    } else if (mode == m_singleColorWord) {
        m_record.setValue(P::Mode3D, m_singleColorWord);
        area->setMode(CKorvexDesigner3DArea::SingleColor);
        const QStringList fill = listOf(m_record, P::FillColor);
        if (fill.size() >= 3)
            area->setBrush(QBrush(QColor(fill.at(0).toInt(), fill.at(1).toInt(), fill.at(2).toInt())));
    } else if (mode == m_imageWord) {
        m_record.setValue(P::Mode3D, m_imageWord);
        area->setMode(CKorvexDesigner3DArea::ImageMode);
        area->setPath(m_imagePath);
    }
}

void CKorvexPropertyWidget::applyScreen(QGraphicsItem* target)
{
    auto* screen = static_cast<CKorvexDesignerScreen*>(target);
    const QStringList fill = listOf(m_record, P::FillColor);
    if (fill.size() == 3)
        screen->setBrush(brushOf(fill));
    if (listOf(m_record, P::FillColorGradient).size() > 3)
        screen->setGradient(CKorvexPropertyValue::gradient(m_record.value(P::FillColorGradient)));
    const bool gradient = fillMode() == m_linearGradientWord;
    const bool image = fillMode() == m_imageWord;
    m_record.setValue(P::IsGradientMode, gradient);
    screen->setGradientMode(gradient);
    m_record.setValue(P::IsImageMode, image);
    screen->setImageMode(image);
    showFillSubRows(!image, image);
    if (!m_imagePath.isEmpty())
        screen->setPath(m_imagePath);
    screen->repaint();
}

void CKorvexPropertyWidget::applyLabel(QGraphicsItem* target)
{
    auto* label = static_cast<CKorvexDesignerLabel*>(target);
    label->setPos(m_form.locationXSpinBox->value(), m_form.locationYSpinBox->value());
    if (CKorvexPropertyValue::color(listOf(m_record, P::FillColor)))
        label->setBackground(brushOf(listOf(m_record, P::FillColor)));
    m_record.setValue(P::Url, m_form.urlLineEdit->text());
    label->setUrl(m_form.urlLineEdit->text());
}

void CKorvexPropertyWidget::takeGeometry()
{
    if (CKorvexDesignerItem* owner = companion())
        owner->takeGeometrySnapshot();
}

void CKorvexPropertyWidget::openState()
{
    if (!m_scene)
        return;
    // Every edit here changes the shown item alone.
    QList<QGraphicsItem*> scope;
    if (QGraphicsItem* shown = item())
        scope.append(shown);
    m_scene->beginState(scope);
    m_stateOpen = true;
}

void CKorvexPropertyWidget::closeState()
{
    m_stateOpen = false;
    if (m_scene)
        m_scene->endState();
}

void CKorvexPropertyWidget::beginState(bool keepOpenTillEndRecvied)
{
    if (m_stateOpen && keepOpenTillEndRecvied)
        return;
    openState();
}

void CKorvexPropertyWidget::endState()
{
    closeState();
}

void CKorvexPropertyWidget::onLocationXYChanged(int)
{
    if (!m_stateOpen)
        openState();
    applyChanges();
    takeGeometry();
}

void CKorvexPropertyWidget::onSpinWidthHeightChanged(int)
{
    if (!m_stateOpen)
        openState();
    applyChanges();
    takeGeometry();
}

void CKorvexPropertyWidget::editingFinished()
{
    if (m_stateOpen)
        closeState();
}

void CKorvexPropertyWidget::onPenWidthChange(int value)
{
    openState();
    m_record.setValue(P::PenWidth, value);
    applyChanges();
    takeGeometry();
    closeState();
}

void CKorvexPropertyWidget::sliderPressed()
{
    openState();
}

void CKorvexPropertyWidget::sliderReleased()
{
    closeState();
}

void CKorvexPropertyWidget::onOpacityChange(int value)
{
    // A slider moved by keys has no press to bracket it; the move is then a step of its own.
    const bool ownStep = !m_stateOpen;
    if (ownStep)
        openState();
    if (m_record.contains(P::FillColor)) {
        const auto blocked = quiet();
        QStringList fill = listOf(m_record, P::FillColor);
        if (fill.size() == 4) {
            fill[3] = QString::number(alphaForOpacity(value));
            m_form.sliderValueLabel->setText(QString::number(value) + QLatin1Char('%'));
        }
        m_record.setValue(P::FillColor, fill);
    }
    applyChanges();
    m_pendingChange = true;
    if (ownStep)
        closeState();
}

void CKorvexPropertyWidget::onActionWidgetChange(ActionType, QMap<ActionProperty, QVariant>)
{
    // Inside an edit the editor opened the state; a change outside one is a step of its own.
    const bool ownStep = !m_stateOpen;
    if (ownStep)
        openState();
    {
        const auto blocked = quiet();
        auto* carrier = dynamic_cast<CKorvexActionEnabled*>(item());
        if (carrier) {
            carrier->SetAction(m_form.actionWidget->GetAction());
            m_record.setValue(P::Action, carrier->ActionToString());
            companion()->setRecord(m_record);
            m_pendingChange = true;
        }
    }
    if (ownStep)
        closeState();
}

void CKorvexPropertyWidget::onActionSettingsWillChange()
{
    // One edit of the editor, however many keystrokes, is one undo step.
    beginState(true);
}

void CKorvexPropertyWidget::onActionSettingsFinishChange()
{
    if (m_stateOpen)
        closeState();
}

void CKorvexPropertyWidget::onTextRectCustomIDEditChange()
{
    const QString id = m_form.formTextBoxLineEdit->text();
    m_record.setValue(P::CustomId, id);
    if (auto* box = dynamic_cast<CKorvexDesignerFormTextBox*>(item()))
        box->setCustomId(id);
    m_pendingChange = true;
}

void CKorvexPropertyWidget::fillColorComboxStateChange(int)
{
    openState();
    {
        const auto blocked = quiet();
        const QString mode = fillMode();
        const bool area = m_currentType == T::Area3D;
        if (mode == m_transparentWord) {
            if (area)
                m_record.setValue(P::Mode3D, m_transparentWord);
            showFillSubRows(false, false);
            m_form.opacityGroupBox->hide();
        } else if (mode == m_singleColorWord) {
            m_record.setValue(P::IsImageMode, false);
            m_record.setValue(P::IsGradientMode, false);
            if (area)
                m_record.setValue(P::Mode3D, m_singleColorWord);
            showFillSubRows(true, false);
            m_form.opacityGroupBox->setVisible(m_currentType != T::Screen && !area);
        } else if (mode == m_linearGradientWord) {
            m_record.setValue(P::IsImageMode, false);
            m_record.setValue(P::IsGradientMode, true);
            showFillSubRows(true, false);
            m_form.opacityGroupBox->hide();
        } else if (mode == m_imageWord) {
            m_record.setValue(P::IsGradientMode, false);
            m_record.setValue(P::IsImageMode, true);
            if (area)
                m_record.setValue(P::Mode3D, m_imageWord);
            showFillSubRows(false, true);
            m_form.opacityGroupBox->hide();
        }
    }
    applyChanges();
    showAgain();
    closeState();
}

void CKorvexPropertyWidget::onPenColorButtonClick()
{
    openState();
    const QStringList pen = listOf(m_record, P::PenColor);
    const QColor initial = pen.size() == 3 ? CKorvexPropertyValue::color(pen).value_or(QColor()) : QColor();
    const QColor chosen = CKorvexPrompt::color(this, initial);
    if (chosen.isValid()) {
        m_penColor = chosen;
        m_record.setValue(P::PenColor, CKorvexPropertyValue::colorList(chosen, false));
        applyChanges();
        showAgain();
        m_pendingChange = true;
    }
    closeState();
}

void CKorvexPropertyWidget::onFillColorButtonClick()
{
    openState();
    if (fillMode() == m_singleColorWord)
        chooseFillColor();
    else if (fillMode() == m_linearGradientWord)
        chooseGradient();
    applyChanges();
    showAgain();
    m_pendingChange = true;
    closeState();
}

void CKorvexPropertyWidget::chooseFillColor()
{
    const bool withAlpha = m_currentType == T::Rect || m_currentType == T::Label;
    const QColor initial = CKorvexPropertyValue::color(listOf(m_record, P::FillColor)).value_or(QColor());
    const QColor chosen = CKorvexPrompt::color(this, initial, tr("Fill Color"), withAlpha);
    if (!chosen.isValid())
        return;
    m_fillColor = chosen;
    m_record.setValue(P::FillColor, CKorvexPropertyValue::colorList(chosen, withAlpha));
}

void CKorvexPropertyWidget::chooseGradient()
{
    CKorvexGradientDialog dialog(this);
    if (auto* area = dynamic_cast<CKorvexDesignerRect*>(item()))
        dialog.setGradient(area->gradient());
    CKorvexPrompt::exec(dialog);
    if (dialog.isAccepted())
        m_record.setValue(P::FillColorGradient, dialog.gradientList());
}

void CKorvexPropertyWidget::onImagePathButtonClick()
{
    openState();
    QString start = m_imagePath.trimmed().isEmpty() ? m_lastImagePath : m_imagePath;
    if (start.isEmpty())
        start = m_lastImagePath = QDir::homePath();
    const QString file =
        CKorvexPrompt::openFileName(this, tr("Open Image"), start, tr("Image Files (*.png *.jpg *.bmp)"));
    if (!file.isEmpty())
        takeImageFile(file);
    closeState();
}

bool CKorvexPropertyWidget::takeImageFile(const QString& file)
{
    m_lastImagePath = file;
    CKorvexProductInfo::openSettings()->setValue(lastImagePathKey, file);
    const QImage picture = CKorvexPictureFiles::load(file);
    if (picture.isNull()) {
        CKorvexPrompt::information(this, tr("Invaild image"), tr("failed reading image %1").arg(file));
        return false;
    }
    if (m_record.value(P::Path).toString().isEmpty() && m_currentType != T::Screen) {
        m_record.setValue(P::Width, picture.width());
        m_record.setValue(P::Height, picture.height());
    }
    m_record.setValue(P::Path, file);
    m_pendingChange = true;
    showAgain();
    applyChanges();
    return true;
}

void CKorvexPropertyWidget::onImageXButtonClick()
{
    openState();
    const QString blank = QStringLiteral(" ");
    m_imagePath = blank;
    m_form.imageNameOnlyLineEdit->setText(blank);
    m_record.setValue(P::Path, blank);
    applyChanges();
    showAgain();
    m_pendingChange = true;
    closeState();
}

void CKorvexPropertyWidget::onTextButtonClick()
{
    openState();
    waitForFonts();
    if (QGraphicsItem* target = item())
        editText(target);
    m_pendingChange = true;
    closeState();
}

void CKorvexPropertyWidget::waitForFonts()
{
    if (m_fonts->isLoaded())
        return;
    if (!m_fontLoading) {
        m_fontLoading = new CKorvexThreadedFontLoading(*m_fonts, this);
        m_fontLoading->start();
    }
    CKorvexBusyPopup popup(this, 10);
    popup.showNow(QStringLiteral("<b>") + tr("Loading fonts please wait..") + QStringLiteral("</b>"));
    while (!m_fontLoading->wait(20)) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        popup.repaint();
    }
}

void CKorvexPropertyWidget::editText(QGraphicsItem* target)
{
    auto* label = dynamic_cast<CKorvexDesignerLabel*>(target);
    if (!label)
        return;
    QTextDocument document;
    document.setHtml(label->storedHtml().isEmpty() ? label->html() : label->storedHtml());
    const auto layOut = [&document] {
        document.setTextWidth(9999999999999998.0);
        document.setTextWidth(document.idealWidth());
        document.setDocumentMargin(0);
    };
    layOut();
    const bool isNew = label->data(CKorvexItemDataSlots::NewText).toInt() == 1;
    if (isNew)
        label->setData(CKorvexItemDataSlots::NewText, 0);
    CKorvexTextEditor editor(*m_fonts, this);
    editor.setWindowFlags(editor.windowFlags() | Qt::WindowMinMaxButtonsHint);
    editor.setDocument(&document, isNew);
    CKorvexPrompt::exec(editor);
    layOut();
    label->setStoredHtml(document.toHtml());
    label->setTextWidth(document.idealWidth());
    label->document()->setDocumentMargin(0);
    if (m_scene)
        m_scene->refreshItems();
}

void CKorvexPropertyWidget::openItemEditor()
{
    const QString type = m_record.value(P::Type).toString();
    const QString mode = fillMode();
    if (type == T::Line) {
        onPenColorButtonClick();
    } else if (type == T::Rect) {
        onFillColorButtonClick();
    } else if (type == T::Image) {
        onImagePathButtonClick();
    } else if (isLabelType(type)) {
        onTextButtonClick();
        takeGeometry();
    } else if (type == T::Area3D || type == T::Screen) {
        if (mode == m_imageWord)
            onImagePathButtonClick();
        else if (mode == m_singleColorWord || type == T::Screen)
            onFillColorButtonClick();
    }
    m_pendingChange = true;
}

void CKorvexPropertyWidget::onImgSourceComboBox(int index)
{
    m_sources->onImageSourceChosen(index);
}

void CKorvexPropertyWidget::onImgSceneStateTypeChanged(int index)
{
    m_sources->onSceneStateChoiceChosen(index);
}

void CKorvexPropertyWidget::onTextSourceComboBox(int index)
{
    m_sources->onTextSourceChosen(index);
}

void CKorvexPropertyWidget::onImgKeepAspectRatioChange(int state)
{
    m_sources->onImageFlagChanged(P::KeepAspectRatio, state != Qt::Unchecked);
}

void CKorvexPropertyWidget::onImgScaleToFitChange(int state)
{
    m_sources->onImageFlagChanged(P::ScaleToFit, state != Qt::Unchecked);
}

void CKorvexPropertyWidget::onImgSceneStateLineEditChanged()
{
    m_sources->onSceneStateEdited();
}

void CKorvexPropertyWidget::onImgDictionaryLineEditChanged()
{
    m_sources->onImageKeywordEdited();
}

void CKorvexPropertyWidget::onImgDicValueLineEditChange()
{
    m_sources->onImageValueEdited();
}

void CKorvexPropertyWidget::oniImgDicPathButtonClicked()
{
    m_sources->onImageValueBrowse();
}

void CKorvexPropertyWidget::onTextDicLineEditChange()
{
    m_sources->onTextKeywordEdited();
}

void CKorvexPropertyWidget::onTextDicValueLineEditChange()
{
    m_sources->onTextValueEdited();
}
