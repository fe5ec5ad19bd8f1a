#include "properties/CKorvexPageSizeForm.h"

#include "properties/CKorvexPageUnits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

template <typename Widget>
Widget* named(QWidget* parent, const char* objectName)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(objectName));
    return widget;
}

QSpinBox* pixelSpinBox(QWidget* parent, const char* objectName)
{
    auto* box = named<QSpinBox>(parent, objectName);
    box->setRange(CKorvexPageUnits::minimumPixels, CKorvexPageUnits::maximumPixels);
    return box;
}

QDoubleSpinBox* physicalSpinBox(QWidget* parent, const char* objectName)
{
    auto* box = named<QDoubleSpinBox>(parent, objectName);
    box->setDecimals(6);
    box->setRange(0.0, 1000000000.0);
    return box;
}

} // namespace

void CKorvexPageSizeForm::setupUi(QDialog* dialog)
{
    dialog->setObjectName(QStringLiteral("CKorvexPageSize"));
    dialog->setWindowTitle(tr("Page Size"));
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(buildPaperGroup(dialog));
    layout->addWidget(buildPixelGroup(dialog));
    layout->addWidget(buildPhysicalGroup(dialog));
    layout->addWidget(buildResolutionGroup(dialog));
    keepAspectRatioCheckBox = named<QCheckBox>(dialog, "keepAspectRatioCheckBox");
    keepAspectRatioCheckBox->setText(tr("Keep aspect ratio"));
    layout->addWidget(keepAspectRatioCheckBox);
    layout->addWidget(buildButtons(dialog));
}

QWidget* CKorvexPageSizeForm::buildPaperGroup(QWidget* parent)
{
    auto* group = named<QGroupBox>(parent, "sizeGroupBox");
    group->setStyleSheet(QStringLiteral(
        "QGroupBox#sizeGroupBox\n{\n\t border: 0px solid gray;\n \tborder-radius: 3px;\n}"));
    auto* grid = new QGridLayout(group);
    pageSizeComboBox = named<QComboBox>(group, "pageSizeComboBox");
    sizeOrientationComboBox = named<QComboBox>(group, "sizeOrientationComboBox");
    sizeOrientationComboBox->addItems({tr("Landscape"), tr("Portrait")});
    grid->addWidget(new QLabel(tr("Page Size"), group), 0, 0);
    grid->addWidget(pageSizeComboBox, 0, 1);
    grid->addWidget(new QLabel(tr("Orientation"), group), 1, 0);
    grid->addWidget(sizeOrientationComboBox, 1, 1);
    return group;
}

QWidget* CKorvexPageSizeForm::buildPixelGroup(QWidget* parent)
{
    auto* group = named<QGroupBox>(parent, "inPixelsGroupBox");
    group->setTitle(tr("In Pixels"));
    auto* grid = new QGridLayout(group);
    widthSpinBox = pixelSpinBox(group, "widthSpinBox");
    heightSpinBox = pixelSpinBox(group, "heightSpinBox");
    grid->addWidget(new QLabel(tr("Width"), group), 0, 0);
    grid->addWidget(widthSpinBox, 0, 1);
    grid->addWidget(new QLabel(tr("Pixels"), group), 0, 2);
    grid->addWidget(new QLabel(tr("Height"), group), 1, 0);
    grid->addWidget(heightSpinBox, 1, 1);
    grid->addWidget(new QLabel(tr("Pixels"), group), 1, 2);
    return group;
}

QWidget* CKorvexPageSizeForm::buildPhysicalGroup(QWidget* parent)
{
    auto* group = named<QGroupBox>(parent, "inPdfUnitsGroupBox");
    group->setTitle(tr("In PDF Units"));
    auto* grid = new QGridLayout(group);
    const QStringList units{tr("inches"), tr("cm"), tr("mm")};
    widthInPdfUnitsSpinBox = physicalSpinBox(group, "widthInPdfUnitsSpinBox");
    heightInPdfUnitsSpinBox = physicalSpinBox(group, "heightInPdfUnitsSpinBox");
    widthInPdfUnitsComboBox = named<QComboBox>(group, "widthInPdfUnitsComboBox");
    heightInPdfUnitsComboBox = named<QComboBox>(group, "heightInPdfUnitsComboBox");
    widthInPdfUnitsComboBox->addItems(units);
    heightInPdfUnitsComboBox->addItems(units);
    grid->addWidget(new QLabel(tr("Width"), group), 0, 0);
    grid->addWidget(widthInPdfUnitsSpinBox, 0, 1);
    grid->addWidget(widthInPdfUnitsComboBox, 0, 2);
    grid->addWidget(new QLabel(tr("Height"), group), 1, 0);
    grid->addWidget(heightInPdfUnitsSpinBox, 1, 1);
    grid->addWidget(heightInPdfUnitsComboBox, 1, 2);
    return group;
}

QWidget* CKorvexPageSizeForm::buildResolutionGroup(QWidget* parent)
{
    auto* group = named<QGroupBox>(parent, "resolutionGroupBox");
    group->setTitle(tr("Resolution"));
    auto* row = new QHBoxLayout(group);
    resolutionStandardUnitsComboBox = named<QComboBox>(group, "resolutionStandardUnitsComboBox");
    for (int dpi : CKorvexPageUnits::resolutions())
        resolutionStandardUnitsComboBox->addItem(QString::number(dpi));
    resolutionInPdfUnitsComboBox = named<QComboBox>(group, "resolutionInPdfUnitsComboBox");
    resolutionInPdfUnitsComboBox->addItems(
        {tr("pixels per inch"), tr("pixels per cm"), tr("pixels per mm")});
    row->addWidget(resolutionStandardUnitsComboBox);
    row->addWidget(resolutionInPdfUnitsComboBox);
    return group;
}

QWidget* CKorvexPageSizeForm::buildButtons(QWidget* parent)
{
    auto* buttons = new QWidget(parent);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    okButton = named<QPushButton>(buttons, "okButton");
    okButton->setText(tr("OK"));
    okButton->setDefault(true);
    cancelButton = named<QPushButton>(buttons, "cancelButton");
    cancelButton->setText(tr("Cancel"));
    row->addStretch();
    row->addWidget(okButton);
    row->addWidget(cancelButton);
    return buttons;
}
