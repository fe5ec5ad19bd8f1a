#pragma once

#include <QCoreApplication>
#include <QList>

class CKorvexActionWidget;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QVBoxLayout;
class QWidget;

/// The rows of the property panel, top to bottom; each row is shown or hidden as a whole.
class CKorvexPropertyForm
{
    Q_DECLARE_TR_FUNCTIONS(CKorvexPropertyWidget)

public:
    /// Lays the rows out on panel.
    void setupUi(QWidget* panel);

    /// Every row a type may show.
    QList<QWidget*> rows() const;

    QGroupBox* locationGroup = nullptr;
    QSpinBox* locationXSpinBox = nullptr;
    QSpinBox* locationYSpinBox = nullptr;
    QGroupBox* endLocationGroup = nullptr;
    QSpinBox* endLocationXSpinBox = nullptr;
    QSpinBox* endLocationYSpinBox = nullptr;

    QGroupBox* penGroupBox = nullptr;
    QWidget* penColorGroup = nullptr;
    QLineEdit* penColorLineEdit = nullptr;
    QPushButton* penColorButton = nullptr;
    QWidget* penWidthGroup = nullptr;
    QSpinBox* penWidthSpinBox = nullptr;

    QGroupBox* fillColorGroup = nullptr;
    QWidget* fillModeGroup = nullptr;
    QLabel* fillColorLable = nullptr;
    QComboBox* fillColorComboBox = nullptr;
    QWidget* fillSingleGradientColorGroup = nullptr;
    QLabel* imgBackgroundLabel = nullptr;
    QLineEdit* fillColorLineEdit = nullptr;
    QPushButton* fillColorButton = nullptr;

    QWidget* imagePathGroup = nullptr;
    QComboBox* imgSourceComboBox = nullptr;
    QLabel* imagePathLable = nullptr;
    QLineEdit* imageNameOnlyLineEdit = nullptr;
    QPushButton* imageXButton = nullptr;
    QPushButton* imagePathButton = nullptr;
    QFrame* imgSourceLine = nullptr;
    QWidget* imgDicKeyRow = nullptr;
    QLineEdit* ImgDicLineEdit = nullptr;
    QWidget* imgDicValueRow = nullptr;
    QLineEdit* ImgDicValueLineEdit = nullptr;
    QPushButton* imgDicPathButton = nullptr;
    QWidget* imgSceneStateTypeRow = nullptr;
    QComboBox* imgSceneStateType = nullptr;
    QWidget* imgSceneStateRow = nullptr;
    QLabel* imgSceneStateLabel = nullptr;
    QLineEdit* ImgSceneStateLineEdit = nullptr;
    QCheckBox* imgKeepAspectRatioCheckBox = nullptr;
    QCheckBox* imgScaleToFitCheckBox = nullptr;

    QGroupBox* opacityGroupBox = nullptr;
    QSlider* opacitySpinBox = nullptr;
    QLabel* sliderValueLabel = nullptr;

    QGroupBox* sizeGroupBox = nullptr;
    QSpinBox* widthSpinBox = nullptr;
    QSpinBox* heightSpinBox = nullptr;

    QGroupBox* textGroup = nullptr;
    QComboBox* textSourceComboBox = nullptr;
    QLabel* textLabel = nullptr;
    QLineEdit* textLineEdit = nullptr;
    QPushButton* textButton = nullptr;
    QFrame* textSourceLine = nullptr;
    QWidget* textDicKeyRow = nullptr;
    QLineEdit* textDicLineEdit = nullptr;
    QWidget* textDicValueRow = nullptr;
    QLineEdit* textDicValueLineEdit = nullptr;

    QGroupBox* urlGroup = nullptr;
    QLineEdit* urlLineEdit = nullptr;
    QGroupBox* zValueGroup = nullptr;
    QSpinBox* zValueSpinBox = nullptr;
    QGroupBox* formTextBoxNameGroup = nullptr;
    QLabel* formTextBoxLabel = nullptr;
    QLineEdit* formTextBoxLineEdit = nullptr;

    CKorvexActionWidget* actionWidget = nullptr;

private:
    void buildLocationRows(QWidget* panel);
    void buildPenRow(QWidget* panel);
    void buildFillRow(QWidget* panel);
    void buildImageRow(QWidget* parent);
    void buildImageSourceRows(QWidget* parent);
    void buildOpacityRow(QWidget* panel);
    void buildSizeRow(QWidget* panel);
    void buildTextRow(QWidget* panel);
    void buildSmallRows(QWidget* panel);

    QVBoxLayout* m_column = nullptr;
};
