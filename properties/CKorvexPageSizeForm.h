#pragma once

#include <QCoreApplication>

class QCheckBox;
class QComboBox;
class QDialog;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;

/// The widgets of the page size dialog, laid out on a dialog given to setupUi.
class CKorvexPageSizeForm
{
    Q_DECLARE_TR_FUNCTIONS(CKorvexPageSize)

public:
    void setupUi(QDialog* dialog);

    QComboBox* pageSizeComboBox = nullptr;
    QComboBox* sizeOrientationComboBox = nullptr;
    QSpinBox* widthSpinBox = nullptr;
    QSpinBox* heightSpinBox = nullptr;
    QDoubleSpinBox* widthInPdfUnitsSpinBox = nullptr;
    QDoubleSpinBox* heightInPdfUnitsSpinBox = nullptr;
    QComboBox* widthInPdfUnitsComboBox = nullptr;
    QComboBox* heightInPdfUnitsComboBox = nullptr;
    QComboBox* resolutionStandardUnitsComboBox = nullptr;
    QComboBox* resolutionInPdfUnitsComboBox = nullptr;
    QCheckBox* keepAspectRatioCheckBox = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

private:
    QWidget* buildPaperGroup(QWidget* parent);
    QWidget* buildPixelGroup(QWidget* parent);
    QWidget* buildPhysicalGroup(QWidget* parent);
    QWidget* buildResolutionGroup(QWidget* parent);
    QWidget* buildButtons(QWidget* parent);
};
