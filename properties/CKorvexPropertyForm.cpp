#include "properties/CKorvexPropertyForm.h"

#include "actions/CKorvexActionWidget.h"
#include "services/KorvexNamedWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

constexpr int largestValue = 100000000;

const QString panelStyleSheet = QStringLiteral(
    "#KorvexPropertyWidget { border: 1px solid rgb(0, 52, 75); border-radius: 3px; color: rgb(0, 58, 86); }\n"
    "QPushButton { border: 1px solid; padding: 2px 6px; }\n"
    "QPushButton:hover { background-color: rgb(230,230, 230); }\n"
    "QPushButton:pressed { background-color: rgb(200, 200, 200); }");

QSpinBox* spinBox(QWidget* parent, const char* name, int minimum)
{
    auto* box = korvexNamed(new QSpinBox(parent), name);
    box->setRange(minimum, largestValue);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Room for the longest value would make the panel wider than its dock.
    box->setMinimumWidth(64);
    return box;
}

QLineEdit* lineEdit(QWidget* parent, const char* name, bool readOnly = false)
{
    auto* edit = korvexNamed(new QLineEdit(parent), name);
    edit->setReadOnly(readOnly);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text)
{
    auto* push = korvexNamed(new QPushButton(text, parent), name);
    push->setFixedWidth(32);
    return push;
}

QComboBox* comboBox(QWidget* parent, const char* name, const QStringList& entries = {})
{
    auto* box = korvexNamed(new QComboBox(parent), name);
    box->addItems(entries);
    // Long translated words must not push the panel wider than its dock.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(6);
    return box;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& title = QString())
{
    return korvexNamed(new QGroupBox(title, parent), name);
}

QFrame* separator(QWidget* parent, const char* name)
{
    auto* line = korvexNamed(new QFrame(parent), name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

/// A row of widgets, the first one given as a label text when text is not empty.
QWidget* row(QWidget* parent, const char* name, QLabel* label, const QList<QWidget*>& widgets)
{
    auto* line = korvexNamed(new QWidget(parent), name);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    if (label) {
        label->setParent(line);
        layout->addWidget(label);
    }
    for (QWidget* widget : widgets) {
        widget->setParent(line);
        layout->addWidget(widget);
    }
    return line;
}

QWidget* pointRow(QWidget* parent, QSpinBox*& x, const char* xName, QSpinBox*& y, const char* yName)
{
    x = spinBox(parent, xName, -largestValue);
    y = spinBox(parent, yName, -largestValue);
    return row(parent, "", nullptr, {new QLabel(QStringLiteral("X"), parent), x, new QLabel(QStringLiteral("Y"), parent), y});
}

} // namespace

void CKorvexPropertyForm::setupUi(QWidget* panel)
{
    panel->setObjectName(QStringLiteral("KorvexPropertyWidget"));
    panel->setWindowTitle(tr("Properties"));
    panel->setStyleSheet(panelStyleSheet);
    m_column = new QVBoxLayout(panel);
    m_column->setContentsMargins(6, 6, 6, 6);
    buildLocationRows(panel);
    buildPenRow(panel);
    buildFillRow(panel);
    buildOpacityRow(panel);
    buildSizeRow(panel);
    buildTextRow(panel);
    buildSmallRows(panel);
    m_column->addStretch(1);
}

QList<QWidget*> CKorvexPropertyForm::rows() const
{
    return {locationGroup, endLocationGroup, penGroupBox, fillColorGroup, opacityGroupBox, sizeGroupBox,
            textGroup, urlGroup, zValueGroup, formTextBoxNameGroup, actionWidget};
}

void CKorvexPropertyForm::buildLocationRows(QWidget* panel)
{
    locationGroup = group(panel, "locationGroup", tr("Start Location"));
    (new QVBoxLayout(locationGroup))
        ->addWidget(pointRow(locationGroup, locationXSpinBox, "locationXSpinBox", locationYSpinBox, "locationYSpinBox"));
    endLocationGroup = group(panel, "endLocationGroup", tr("End Location"));
    (new QVBoxLayout(endLocationGroup))
        ->addWidget(pointRow(endLocationGroup, endLocationXSpinBox, "endLocationXSpinBox", endLocationYSpinBox,
                             "endLocationYSpinBox"));
    m_column->addWidget(locationGroup);
    m_column->addWidget(endLocationGroup);
}

void CKorvexPropertyForm::buildPenRow(QWidget* panel)
{
    penGroupBox = group(panel, "penGroupBox", tr("Line"));
    auto* layout = new QVBoxLayout(penGroupBox);
    penColorLineEdit = lineEdit(penGroupBox, "penColorLineEdit");
    penColorLineEdit->setEnabled(false);
    penColorButton = button(penGroupBox, "penColorButton", QStringLiteral("..."));
    penColorGroup = row(penGroupBox, "penColorGroup", new QLabel(tr("Line Color")), {penColorLineEdit, penColorButton});
    penWidthSpinBox = spinBox(penGroupBox, "penWidthSpinBox", 1);
    penWidthGroup = row(penGroupBox, "penWidthGroup", new QLabel(tr("Line Width")), {penWidthSpinBox});
    layout->addWidget(penColorGroup);
    layout->addWidget(penWidthGroup);
    m_column->addWidget(penGroupBox);
}

void CKorvexPropertyForm::buildFillRow(QWidget* panel)
{
    fillColorGroup = group(panel, "fillColorGroup");
    auto* layout = new QVBoxLayout(fillColorGroup);
    fillColorLable = korvexNamed(new QLabel(tr("Fill Mode ")), "fillColorLable");
    fillColorComboBox = comboBox(fillColorGroup, "fillColorComboBox");
    fillModeGroup = row(fillColorGroup, "fillModeGroup", fillColorLable, {fillColorComboBox});
    imgBackgroundLabel = korvexNamed(new QLabel(tr("Background Color")), "imgBackgroundLabel");
    fillColorLineEdit = lineEdit(fillColorGroup, "fillColorLineEdit", true);
    fillColorLineEdit->setFocusPolicy(Qt::NoFocus);
    fillColorButton = button(fillColorGroup, "fillColorButton", QStringLiteral("..."));
    fillSingleGradientColorGroup = row(fillColorGroup, "fillSingleGradientColorGroup", imgBackgroundLabel,
                                       {fillColorLineEdit, fillColorButton});
    layout->addWidget(fillModeGroup);
    layout->addWidget(fillSingleGradientColorGroup);
    buildImageRow(fillColorGroup);
    layout->addWidget(imagePathGroup);
    m_column->addWidget(fillColorGroup);
}

void CKorvexPropertyForm::buildImageRow(QWidget* parent)
{
    imagePathGroup = korvexNamed(new QWidget(parent), "imagePathGroup");
    auto* layout = new QVBoxLayout(imagePathGroup);
    layout->setContentsMargins(0, 0, 0, 0);
    imgSourceComboBox =
        comboBox(imagePathGroup, "imgSourceComboBox", {tr("From File"), tr("From Dictionary"), tr("From Scene State")});
    layout->addWidget(row(imagePathGroup, "imgSourceRow", new QLabel(tr("Image Source")), {imgSourceComboBox}));
    imagePathLable = korvexNamed(new QLabel(tr("File Name")), "imagePathLable");
    imageNameOnlyLineEdit = lineEdit(imagePathGroup, "imageNameOnlyLineEdit", true);
    imageXButton = button(imagePathGroup, "imageXButton", QStringLiteral("X"));
    imageXButton->setToolTip(tr("Clear"));
    imagePathButton = button(imagePathGroup, "imagePathButton", QStringLiteral("..."));
    layout->addWidget(row(imagePathGroup, "imageFileRow", imagePathLable,
                          {imageNameOnlyLineEdit, imageXButton, imagePathButton}));
    imgSourceLine = separator(imagePathGroup, "imgSourceLine");
    layout->addWidget(imgSourceLine);
    buildImageSourceRows(imagePathGroup);
}

void CKorvexPropertyForm::buildImageSourceRows(QWidget* parent)
{
    auto* layout = static_cast<QVBoxLayout*>(parent->layout());
    ImgDicLineEdit = lineEdit(parent, "ImgDicLineEdit");
    imgDicKeyRow = row(parent, "imgDicKeyRow", new QLabel(tr("Dictionary keyword")), {ImgDicLineEdit});
    ImgDicValueLineEdit = lineEdit(parent, "ImgDicValueLineEdit");
    imgDicPathButton = button(parent, "imgDicPathButton", QStringLiteral("..."));
    imgDicValueRow = row(parent, "imgDicValueRow", new QLabel(tr("Dictionary value")),
                         {ImgDicValueLineEdit, imgDicPathButton});
    imgSceneStateType = comboBox(parent, "imgSceneStateType", {tr("By Index"), tr("By Name")});
    imgSceneStateTypeRow = row(parent, "imgSceneStateTypeRow", new QLabel(tr("Scene State")), {imgSceneStateType});
    imgSceneStateLabel = korvexNamed(new QLabel(tr("Scene State Index")), "imgSceneStateLabel");
    ImgSceneStateLineEdit = lineEdit(parent, "ImgSceneStateLineEdit");
    imgSceneStateRow = row(parent, "imgSceneStateRow", imgSceneStateLabel, {ImgSceneStateLineEdit});
    imgKeepAspectRatioCheckBox = korvexNamed(new QCheckBox(tr("Keep Aspect Ratio"), parent), "imgKeepAspectRatioCheckBox");
    imgScaleToFitCheckBox = korvexNamed(new QCheckBox(tr("Scale To Fit"), parent), "imgScaleToFitCheckBox");
    for (QWidget* widget : QList<QWidget*>{imgDicKeyRow, imgDicValueRow, imgSceneStateTypeRow, imgSceneStateRow})
        layout->addWidget(widget);
    layout->addWidget(imgKeepAspectRatioCheckBox);
    layout->addWidget(imgScaleToFitCheckBox);
}

void CKorvexPropertyForm::buildOpacityRow(QWidget* panel)
{
    opacityGroupBox = group(panel, "opacityGroupBox", tr("Opacity"));
    opacitySpinBox = korvexNamed(new QSlider(Qt::Horizontal), "opacitySpinBox");
    opacitySpinBox->setRange(0, 100);
    sliderValueLabel = korvexNamed(new QLabel(QStringLiteral("100%")), "sliderValueLabel");
    sliderValueLabel->setMinimumWidth(40);
    (new QVBoxLayout(opacityGroupBox))
        ->addWidget(row(opacityGroupBox, "opacityRow", nullptr, {opacitySpinBox, sliderValueLabel}));
    m_column->addWidget(opacityGroupBox);
}

void CKorvexPropertyForm::buildSizeRow(QWidget* panel)
{
    sizeGroupBox = group(panel, "sizeGroupBox", tr("Size"));
    auto* layout = new QVBoxLayout(sizeGroupBox);
    widthSpinBox = spinBox(sizeGroupBox, "widthSpinBox", 1);
    heightSpinBox = spinBox(sizeGroupBox, "heightSpinBox", 1);
    layout->addWidget(row(sizeGroupBox, "widthGroup", new QLabel(tr("Width")), {widthSpinBox, new QLabel(tr("Pixels"))}));
    layout->addWidget(
        row(sizeGroupBox, "heightGroup", new QLabel(tr("Height")), {heightSpinBox, new QLabel(tr("Pixels"))}));
    m_column->addWidget(sizeGroupBox);
}

void CKorvexPropertyForm::buildTextRow(QWidget* panel)
{
    textGroup = group(panel, "textGroup");
    auto* layout = new QVBoxLayout(textGroup);
    textSourceComboBox = comboBox(textGroup, "textSourceComboBox", {tr("From Text Editor"), tr("From Dictionary")});
    layout->addWidget(row(textGroup, "textSourceRow", new QLabel(tr("Text Source")), {textSourceComboBox}));
    textLabel = korvexNamed(new QLabel(tr("Text")), "textLabel");
    textLineEdit = lineEdit(textGroup, "textLineEdit", true);
    textButton = button(textGroup, "textButton", QStringLiteral("..."));
    layout->addWidget(row(textGroup, "textRow", textLabel, {textLineEdit, textButton}));
    textSourceLine = separator(textGroup, "textSourceLine");
    layout->addWidget(textSourceLine);
    textDicLineEdit = lineEdit(textGroup, "textDicLineEdit");
    textDicKeyRow = row(textGroup, "textDicKeyRow", new QLabel(tr("Dictionary keyword")), {textDicLineEdit});
    textDicValueLineEdit = lineEdit(textGroup, "textDicValueLineEdit");
    textDicValueRow = row(textGroup, "textDicValueRow", new QLabel(tr("Dictionary value")), {textDicValueLineEdit});
    layout->addWidget(textDicKeyRow);
    layout->addWidget(textDicValueRow);
    m_column->addWidget(textGroup);
}

void CKorvexPropertyForm::buildSmallRows(QWidget* panel)
{
    urlGroup = group(panel, "urlGroup", tr("Url"));
    urlLineEdit = lineEdit(urlGroup, "urlLineEdit");
    (new QVBoxLayout(urlGroup))->addWidget(urlLineEdit);
    zValueGroup = group(panel, "zValueGroup", tr("Z Value"));
    zValueSpinBox = spinBox(zValueGroup, "zValueSpinBox", 0);
    (new QVBoxLayout(zValueGroup))->addWidget(zValueSpinBox);
    formTextBoxNameGroup = group(panel, "formTextBoxNameGroup");
    formTextBoxLabel = korvexNamed(new QLabel(tr("Dictionary Row Name:")), "formTextBoxLabel");
    formTextBoxLineEdit = lineEdit(formTextBoxNameGroup, "formTextBoxLineEdit");
    formTextBoxNameGroup->setToolTip(
        tr("The row name must match a row of the dictionary and be unique, without special characters, "
           "symbols or spaces, for pre-populate actions to work."));
    (new QVBoxLayout(formTextBoxNameGroup))
        ->addWidget(row(formTextBoxNameGroup, "formTextBoxRow", formTextBoxLabel, {formTextBoxLineEdit}));
    actionWidget = korvexNamed(new CKorvexActionWidget(panel), "actionWidget");
    actionWidget->setMinimumHeight(250);
    for (QWidget* widget : QList<QWidget*>{urlGroup, zValueGroup, formTextBoxNameGroup, actionWidget})
        m_column->addWidget(widget);
}
