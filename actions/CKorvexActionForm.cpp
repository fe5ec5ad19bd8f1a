#include "actions/CKorvexActionForm.h"

#include "services/KorvexNamedWidget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

const QString clearButtonStyle = QStringLiteral(
    "QPushButton{border:1px solid}\nQPushButton:hover{background-color: rgb(230,230, 230);}\n"
    "QPushButton:pressed{background-color: rgb(200, 200, 200);}\n");

QPushButton* smallButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = korvexNamed(new QPushButton(text, parent), name);
    button->setFixedWidth(32);
    return button;
}

QPushButton* clearButton(QWidget* parent, const char* name)
{
    QPushButton* button = smallButton(parent, name, QStringLiteral("X"));
    button->setFlat(true);
    button->setStyleSheet(clearButtonStyle);
    return button;
}

/// A label above a line of widgets.
QWidget* labelledRow(QWidget* parent, const char* name, QLabel* label, const QList<QWidget*>& widgets)
{
    auto* row = korvexNamed(new QWidget(parent), name);
    auto* column = new QVBoxLayout(row);
    column->setContentsMargins(0, 0, 0, 0);
    label->setParent(row);
    column->addWidget(label);
    auto* line = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        widget->setParent(row);
        line->addWidget(widget);
    }
    column->addLayout(line);
    return row;
}

QLineEdit* frameField(QWidget* parent, const char* name)
{
    auto* field = korvexNamed(new QLineEdit(parent), name);
    // Whole numbers from 0 up, as long as the user likes; parsing decides what they are worth.
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    return field;
}

} // namespace

void CKorvexActionForm::setupUi(QWidget* editor)
{
    editor->setObjectName(QStringLiteral("ActionWidget"));
    editor->setMinimumSize(200, 364);
    m_column = new QVBoxLayout(editor);
    buildTypeRow(editor);
    buildTextRows(editor);
    buildSceneStateRow(editor);
    buildHtmlRows(editor);
    buildMultiActionGroup(editor);
    buildAnimationGroup(editor);
    buildPrepopulateGroup(editor);
    m_column->addStretch(1);
    buildButtons(editor);
}

QList<QWidget*> CKorvexActionForm::typeRows() const
{
    return {contentRow, titleRow, fileRow, sceneStateRow, htmlFolderRow, startupRow, multiActionOptionsGroup,
            playAnimationGroupBox, prepopulateGroupBox};
}

QList<QLineEdit*> CKorvexActionForm::textFields() const
{
    return {contentLineEdit, titleLineEdit, sceneStateIDLineEdit, filePathLineEdit, startupHtmlfileLineEdit,
            animationFromLineEdit, animationToLineEdit, attributeKeyNameLineEdit};
}

void CKorvexActionForm::buildTypeRow(QWidget* editor)
{
    label = korvexNamed(new QLabel(tr("Type"), editor), "label");
    actionComboBox = korvexNamed(new QComboBox(editor), "actionComboBox");
    actionComboBox->addItems({tr("None"), tr("URL"), tr("Message Box"), tr("Animation Play"), tr("Animation Stop"),
                              tr("Script"), tr("Multi Actions"), tr("Scene State"), tr("Pre-populate")});
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(actionComboBox, 1);
    m_column->addLayout(row);
}

void CKorvexActionForm::buildTextRows(QWidget* editor)
{
    titleLabel = korvexNamed(new QLabel(tr("Title")), "titleLabel");
    titleLineEdit = korvexNamed(new QLineEdit, "titleLineEdit");
    titleRow = labelledRow(editor, "titleRow", titleLabel, {titleLineEdit});
    contentLabel = korvexNamed(new QLabel(tr("Url")), "contentLabel");
    contentLineEdit = korvexNamed(new QLineEdit, "contentLineEdit");
    contentRow = labelledRow(editor, "contentRow", contentLabel, {contentLineEdit});
    fileNameLabel = korvexNamed(new QLabel(tr("Java Script")), "fileNameLabel");
    openFileButton = smallButton(nullptr, "openFileButton", QStringLiteral("..."));
    auto* row = korvexNamed(new QWidget(editor), "fileRow");
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : QList<QWidget*>{fileNameLabel, openFileButton}) {
        widget->setParent(row);
        line->addWidget(widget);
    }
    fileRow = row;
    for (QWidget* widget : QList<QWidget*>{titleRow, contentRow, fileRow})
        m_column->addWidget(widget);
}

void CKorvexActionForm::buildSceneStateRow(QWidget* editor)
{
    sceneStateRow = korvexNamed(new QWidget(editor), "sceneStateRow");
    auto* grid = new QGridLayout(sceneStateRow);
    grid->setContentsMargins(0, 0, 0, 0);
    sceneStateTypeComboBox = korvexNamed(new QComboBox(sceneStateRow), "sceneStateTypeComboBox");
    sceneStateTypeComboBox->addItems({tr("By Name"), tr("By Index")});
    sceneStateLabel = korvexNamed(new QLabel(tr("Scene State Name"), sceneStateRow), "sceneStateLabel");
    sceneStateIDLineEdit = korvexNamed(new QLineEdit(sceneStateRow), "sceneStateIDLineEdit");
    grid->addWidget(sceneStateTypeComboBox, 0, 0, 1, 2);
    grid->addWidget(sceneStateLabel, 1, 0);
    grid->addWidget(sceneStateIDLineEdit, 1, 1);
    m_column->addWidget(sceneStateRow);
}

void CKorvexActionForm::buildHtmlRows(QWidget* editor)
{
    filePathLabel = korvexNamed(new QLabel(tr("Html folder path")), "filePathLabel");
    filePathLineEdit = korvexNamed(new QLineEdit, "filePathLineEdit");
    filePathLineEdit->setReadOnly(true);
    htmlFolderPathXButton = clearButton(nullptr, "htmlFolderPathXButton");
    selectFileButton = smallButton(nullptr, "selectFileButton", QStringLiteral("..."));
    htmlFolderRow = labelledRow(editor, "htmlFolderRow", filePathLabel,
                                {filePathLineEdit, htmlFolderPathXButton, selectFileButton});
    startupHtmlFileLabel = korvexNamed(new QLabel(tr("Startup html file")), "startupHtmlFileLabel");
    startupHtmlfileLineEdit = korvexNamed(new QLineEdit, "startupHtmlfileLineEdit");
    startupHtmlfileLineEdit->setReadOnly(true);
    startupHtmlFileXButton = clearButton(nullptr, "startupHtmlFileXButton");
    selectStartupHtmlFileButton = smallButton(nullptr, "selectStartupHtmlFileButton", QStringLiteral("..."));
    startupRow = labelledRow(editor, "startupRow", startupHtmlFileLabel,
                             {startupHtmlfileLineEdit, startupHtmlFileXButton, selectStartupHtmlFileButton});
    m_column->addWidget(htmlFolderRow);
    m_column->addWidget(startupRow);
}

void CKorvexActionForm::buildMultiActionGroup(QWidget* editor)
{
    multiActionOptionsGroup = korvexNamed(new QGroupBox(tr("On each click"), editor), "multiActionOptionsGroup");
    auto* column = new QVBoxLayout(multiActionOptionsGroup);
    // Siblings in one group box, so that the four exclude each other.
    loopNextRadioButton = korvexNamed(new QRadioButton(tr("Loop"), multiActionOptionsGroup), "loopNextRadioButton");
    randomlyPickActionRadioButton =
        korvexNamed(new QRadioButton(tr("Random"), multiActionOptionsGroup), "randomlyPickActionRadioButton");
    swingNextRadioButton = korvexNamed(new QRadioButton(tr("Swing"), multiActionOptionsGroup), "swingNextRadioButton");
    runAllRadioButton = korvexNamed(new QRadioButton(tr("Run All"), multiActionOptionsGroup), "runAllRadioButton");
    for (QRadioButton* button :
         {loopNextRadioButton, randomlyPickActionRadioButton, swingNextRadioButton, runAllRadioButton})
        column->addWidget(button);
    loopNextRadioButton->setChecked(true);
    m_column->addWidget(multiActionOptionsGroup);
}

void CKorvexActionForm::buildAnimationGroup(QWidget* editor)
{
    playAnimationGroupBox = korvexNamed(new QGroupBox(tr("Play Animation"), editor), "playAnimationGroupBox");
    auto* grid = new QGridLayout(playAnimationGroupBox);
    fullAnimationRadioButton =
        korvexNamed(new QRadioButton(tr("Full Animation"), playAnimationGroupBox), "fullAnimationRadioButton");
    selectedAnimationRadioButton =
        korvexNamed(new QRadioButton(tr("Animation range"), playAnimationGroupBox), "selectedAnimationRadioButton");
    fullAnimationRadioButton->setChecked(true);
    fromFrameLabel = korvexNamed(new QLabel(tr("From frame:"), playAnimationGroupBox), "fromFrameLabel");
    animationFromLineEdit = frameField(playAnimationGroupBox, "animationFromLineEdit");
    toFrameLabel = korvexNamed(new QLabel(tr("To frame:"), playAnimationGroupBox), "toFrameLabel");
    animationToLineEdit = frameField(playAnimationGroupBox, "animationToLineEdit");
    grid->addWidget(fullAnimationRadioButton, 0, 0, 1, 2);
    grid->addWidget(selectedAnimationRadioButton, 1, 0, 1, 2);
    grid->addWidget(fromFrameLabel, 2, 0);
    grid->addWidget(animationFromLineEdit, 2, 1);
    grid->addWidget(toFrameLabel, 3, 0);
    grid->addWidget(animationToLineEdit, 3, 1);
    m_column->addWidget(playAnimationGroupBox);
}

void CKorvexActionForm::buildPrepopulateGroup(QWidget* editor)
{
    prepopulateGroupBox = korvexNamed(new QGroupBox(tr("Pre-populate Text Fields in Korvex Template from"), editor),
                                "prepopulateGroupBox");
    auto* column = new QVBoxLayout(prepopulateGroupBox);
    attributeKeyNameLabel =
        korvexNamed(new QLabel(tr("Dictionary Column Index:"), prepopulateGroupBox), "attributeKeyNameLabel");
    attributeKeyNameLineEdit = korvexNamed(new QLineEdit(prepopulateGroupBox), "attributeKeyNameLineEdit");
    attributeKeyNameLineEdit->setToolTip(tr(
        "<html><head/><body><p>Enter a number (greater than or equal to 0), that matches a valid column index in "
        "dictionary in order to retrieve its record values, and pre-populate declared form text boxes when the "
        "object associated to this action is clicked.</p><p><span style=\" font-weight:600;\">Note:</span> To "
        "make Pre-populate Action works properly, Dictionary Row Name and Dictionary Column Index should be unique, "
        "have a match  in dictionary, and not contain any special characters, symbols or spaces.</p></body></html>"));
    column->addWidget(attributeKeyNameLabel);
    column->addWidget(attributeKeyNameLineEdit);
    m_column->addWidget(prepopulateGroupBox);
}

void CKorvexActionForm::buildButtons(QWidget* editor)
{
    buttonRow = korvexNamed(new QWidget(editor), "buttonRow");
    auto* line = new QHBoxLayout(buttonRow);
    line->setContentsMargins(0, 0, 0, 0);
    okButton = korvexNamed(new QPushButton(tr("Ok"), buttonRow), "okButton");
    cancelButton = korvexNamed(new QPushButton(tr("Cancel"), buttonRow), "cancelButton");
    line->addStretch(1);
    line->addWidget(okButton);
    line->addWidget(cancelButton);
    m_column->addWidget(buttonRow);
}
