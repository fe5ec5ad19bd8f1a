#pragma once

#include <QCoreApplication>
#include <QList>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class QWidget;

/// The widgets of the action editor, top to bottom; each row is shown or hidden as a whole.
class CKorvexActionForm
{
    Q_DECLARE_TR_FUNCTIONS(CKorvexActionWidget)

public:
    void setupUi(QWidget* editor);

    QLabel* label = nullptr;
    QComboBox* actionComboBox = nullptr;

    QWidget* contentRow = nullptr;
    QLabel* contentLabel = nullptr;
    QLineEdit* contentLineEdit = nullptr;
    QWidget* titleRow = nullptr;
    QLabel* titleLabel = nullptr;
    QLineEdit* titleLineEdit = nullptr;
    QWidget* fileRow = nullptr;
    QLabel* fileNameLabel = nullptr;
    QPushButton* openFileButton = nullptr;

    QWidget* sceneStateRow = nullptr;
    QComboBox* sceneStateTypeComboBox = nullptr;
    QLabel* sceneStateLabel = nullptr;
    QLineEdit* sceneStateIDLineEdit = nullptr;

    QWidget* htmlFolderRow = nullptr;
    QLabel* filePathLabel = nullptr;
    QLineEdit* filePathLineEdit = nullptr;
    QPushButton* htmlFolderPathXButton = nullptr;
    QPushButton* selectFileButton = nullptr;
    QWidget* startupRow = nullptr;
    QLabel* startupHtmlFileLabel = nullptr;
    QLineEdit* startupHtmlfileLineEdit = nullptr;
    QPushButton* startupHtmlFileXButton = nullptr;
    QPushButton* selectStartupHtmlFileButton = nullptr;

    QGroupBox* multiActionOptionsGroup = nullptr;
    QRadioButton* loopNextRadioButton = nullptr;
    QRadioButton* randomlyPickActionRadioButton = nullptr;
    QRadioButton* swingNextRadioButton = nullptr;
    QRadioButton* runAllRadioButton = nullptr;

    QGroupBox* playAnimationGroupBox = nullptr;
    QRadioButton* fullAnimationRadioButton = nullptr;
    QRadioButton* selectedAnimationRadioButton = nullptr;
    QLabel* fromFrameLabel = nullptr;
    QLineEdit* animationFromLineEdit = nullptr;
    QLabel* toFrameLabel = nullptr;
    QLineEdit* animationToLineEdit = nullptr;

    QGroupBox* prepopulateGroupBox = nullptr;
    QLabel* attributeKeyNameLabel = nullptr;
    QLineEdit* attributeKeyNameLineEdit = nullptr;

    QWidget* buttonRow = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    /// Every row a type may show or hide.
    QList<QWidget*> typeRows() const;
    /// Every text field, in no particular order.
    QList<QLineEdit*> textFields() const;

private:
    void buildTypeRow(QWidget* editor);
    void buildTextRows(QWidget* editor);
    void buildSceneStateRow(QWidget* editor);
    void buildHtmlRows(QWidget* editor);
    void buildMultiActionGroup(QWidget* editor);
    void buildAnimationGroup(QWidget* editor);
    void buildPrepopulateGroup(QWidget* editor);
    void buildButtons(QWidget* editor);

    QVBoxLayout* m_column = nullptr;
};
