#include "actions/CKorvexActionWidget.h"

#include "actions/CKorvexHtmlFolderRules.h"
#include "actions/CKorvexJavaScriptSelectionDialog.h"
#include "actions/KorvexReverseActionDialog.h"
#include "core/CKorvexActionAnimationPlay.h"
#include "core/CKorvexActionAnimationStop.h"
#include "core/CKorvexActionAnnot3DScript.h"
#include "core/CKorvexActionMessageBox.h"
#include "core/CKorvexActionMultiAction.h"
#include "core/CKorvexActionPrepopulateFormTextBox.h"
#include "core/CKorvexActionSceneState.h"
#include "core/CKorvexActionUrl.h"
#include "core/CKorvexString.h"
#include "properties/KorvexNumberValidator.h"
#include "services/CKorvexPrompt.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using Korvex::CKorvexAction;
using Korvex::fromQString;
using Korvex::toQString;

namespace {

constexpr int byNameChoice = 0;
constexpr int byIndexChoice = 1;

/// The decimal integer of the text, 0 when it does not parse.
int wholeNumber(const QLineEdit* field)
{
    return field->text().toInt();
}

} // namespace

CKorvexActionWidget::CKorvexActionWidget(QWidget* parent)
    : QWidget(parent)
{
    m_form.setupUi(this);
    m_form.buttonRow->hide();
    showRowsOf(ActionNone);
    connectFields();
}

CKorvexActionWidget::~CKorvexActionWidget() = default;

void CKorvexActionWidget::connectFields()
{
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(m_form.actionComboBox, indexChanged, this, &CKorvexActionWidget::onActionSelectionChange);
    connect(m_form.openFileButton, &QPushButton::clicked, this, &CKorvexActionWidget::onOpenFileButtonClicked);
    for (QLineEdit* field : m_form.textFields())
        connect(field, &QLineEdit::textChanged, this, &CKorvexActionWidget::onTextChanged);
    for (QLineEdit* field : {m_form.titleLineEdit, m_form.contentLineEdit, m_form.sceneStateIDLineEdit,
                             m_form.animationFromLineEdit, m_form.animationToLineEdit,
                             m_form.attributeKeyNameLineEdit})
        connect(field, &QLineEdit::editingFinished, this, &CKorvexActionWidget::sendFinishChangeEvent);
    connect(m_form.sceneStateTypeComboBox, indexChanged, this, &CKorvexActionWidget::onSceneStateTypeChange);
    connect(m_form.okButton, &QPushButton::clicked, this, &CKorvexActionWidget::onOkClicked);
    connect(m_form.cancelButton, &QPushButton::clicked, this, &CKorvexActionWidget::onCancelClicked);
    for (QRadioButton* button : {m_form.loopNextRadioButton, m_form.randomlyPickActionRadioButton,
                                 m_form.swingNextRadioButton, m_form.runAllRadioButton,
                                 m_form.fullAnimationRadioButton, m_form.selectedAnimationRadioButton})
        connect(button, &QRadioButton::clicked, this, &CKorvexActionWidget::onRadioButtonChangeState);
    connect(m_form.selectFileButton, &QPushButton::clicked, this, &CKorvexActionWidget::onSelectHtmlFileButtonClicked);
    connect(m_form.selectStartupHtmlFileButton, &QPushButton::clicked, this,
            &CKorvexActionWidget::onSelectStartupHtmlFileButtonClicked);
    connect(m_form.htmlFolderPathXButton, &QPushButton::clicked, this,
            &CKorvexActionWidget::onHtmlFolderPathXButtonClicked);
    connect(m_form.startupHtmlFileXButton, &QPushButton::clicked, this,
            &CKorvexActionWidget::onStartupHtmlFileXButtonClicked);
}

std::vector<QSignalBlocker> CKorvexActionWidget::quiet() const
{
    std::vector<QSignalBlocker> blockers;
    blockers.emplace_back(m_form.actionComboBox);
    blockers.emplace_back(m_form.sceneStateTypeComboBox);
    for (QLineEdit* field : m_form.textFields())
        blockers.emplace_back(field);
    return blockers;
}

template <typename Change>
void CKorvexActionWidget::runChange(Change change)
{
    sendWillChangeEvent();
    {
        const auto blocked = quiet();
        change();
    }
    sendInfoChangedEvent();
    sendFinishChangeEvent();
}

void CKorvexActionWidget::sendWillChangeEvent()
{
    if (m_inEdit)
        return;
    m_inEdit = true;
    emit onActionSettingsWillChange();
}

void CKorvexActionWidget::sendInfoChangedEvent()
{
    const ActionType type = currentType();
    showRowsOf(type);
    emit onActionInfoChange(type, info());
}

void CKorvexActionWidget::sendFinishChangeEvent()
{
    sendInfoChangedEvent();
    emit onActionSettingsChanged();
    m_inEdit = false;
}

ActionType CKorvexActionWidget::currentType() const
{
    return ActionType(qMax(0, m_form.actionComboBox->currentIndex()));
}

QMap<ActionProperty, QVariant> CKorvexActionWidget::info() const
{
    const CKorvexActionForm& f = m_form;
    QMap<ActionProperty, QVariant> map;
    switch (currentType()) {
    case ActionUrl:
        map.insert(PropUrl, f.contentLineEdit->text());
        map.insert(PropLocalHtmlPath, f.filePathLineEdit->text());
        map.insert(PropStartupHtmlFile, f.startupHtmlfileLineEdit->text());
        break;
    case ActionMessageBox:
        map.insert(PropMessageTitle, f.titleLineEdit->text());
        map.insert(PropMessageText, f.contentLineEdit->text());
        break;
    case ActionAnimationPlay:
        if (f.selectedAnimationRadioButton->isChecked()) {
            map.insert(PropFromFrame, wholeNumber(f.animationFromLineEdit));
            map.insert(PropToFrame, wholeNumber(f.animationToLineEdit));
        }
        break;
    case ActionScript:
        map.insert(PropScript, m_script);
        break;
    case ActionMultiAction:
        map.insert(PropMultiAction, 0);
        break;
    case ActionSceneState:
        if (f.sceneStateTypeComboBox->currentIndex() == byIndexChoice)
            map.insert(PropSceneStateIndex, wholeNumber(f.sceneStateIDLineEdit));
        else
            map.insert(PropSceneStateName, f.sceneStateIDLineEdit->text());
        break;
    case ActionPrepopulate:
        map.insert(PropAttributeKeyName, f.attributeKeyNameLineEdit->text());
        break;
    case ActionNone:
    case ActionAnimationStop:
        break;
    }
    return map;
}

void CKorvexActionWidget::showRowsOf(ActionType type)
{
    const CKorvexActionForm& f = m_form;
    f.contentRow->setVisible(type == ActionUrl || type == ActionMessageBox);
    f.contentLabel->setText(type == ActionMessageBox ? tr("Message") : tr("Url"));
    f.titleRow->setVisible(type == ActionMessageBox);
    f.fileRow->setVisible(type == ActionScript || type == ActionMultiAction);
    f.fileNameLabel->setText(type == ActionMultiAction ? tr("Actions List") : tr("Java Script"));
    f.multiActionOptionsGroup->setVisible(type == ActionMultiAction);
    f.sceneStateRow->setVisible(type == ActionSceneState);
    f.playAnimationGroupBox->setVisible(type == ActionAnimationPlay);
    const bool range = f.selectedAnimationRadioButton->isChecked();
    for (QWidget* widget : QList<QWidget*>{f.fromFrameLabel, f.animationFromLineEdit, f.toFrameLabel,
                                           f.animationToLineEdit})
        widget->setVisible(range);
    f.htmlFolderRow->setVisible(type == ActionUrl);
    f.startupRow->setVisible(type == ActionUrl);
    f.prepopulateGroupBox->setVisible(type == ActionPrepopulate);
}

void CKorvexActionWidget::clearFields()
{
    for (QLineEdit* field : m_form.textFields())
        field->clear();
    m_actions.clear();
    m_form.sceneStateTypeComboBox->setCurrentIndex(byNameChoice);
    showSceneStateChoice(false);
}

void CKorvexActionWidget::showSceneStateChoice(bool byIndex)
{
    QLineEdit* field = m_form.sceneStateIDLineEdit;
    const QValidator* previous = field->validator();
    field->setValidator(byIndex ? new KorvexNumberValidator(field) : nullptr);
    delete previous;
    m_form.sceneStateLabel->setText(byIndex ? tr("Scene State Index") : tr("Scene State Name"));
}

void CKorvexActionWidget::showTriggeringMode(int mode)
{
    QRadioButton* button = m_form.runAllRadioButton;
    if (mode == Korvex::TriggerSwing)
        button = m_form.swingNextRadioButton;
    else if (mode == Korvex::TriggerLoop)
        button = m_form.loopNextRadioButton;
    else if (mode == Korvex::TriggerRandom)
        button = m_form.randomlyPickActionRadioButton;
    button->setChecked(true);
}

int CKorvexActionWidget::triggeringMode() const
{
    if (m_form.loopNextRadioButton->isChecked())
        return Korvex::TriggerLoop;
    if (m_form.swingNextRadioButton->isChecked())
        return Korvex::TriggerSwing;
    if (m_form.randomlyPickActionRadioButton->isChecked())
        return Korvex::TriggerRandom;
    return Korvex::TriggerRunAll;
}

CKorvexAction CKorvexActionWidget::GetAction() const
{
    const CKorvexActionForm& f = m_form;
    switch (currentType()) {
    case ActionUrl: {
        auto* url = new Korvex::CKorvexActionUrl();
        url->SetUrl(fromQString(f.contentLineEdit->text()));
        url->SetLocalHtmlPath(fromQString(f.filePathLineEdit->text()));
        url->SetStartupHtmlFile(fromQString(f.startupHtmlfileLineEdit->text()));
        return CKorvexAction(url);
    }
    case ActionMessageBox:
        return CKorvexAction(new Korvex::CKorvexActionMessageBox(fromQString(f.titleLineEdit->text()),
                                                                 fromQString(f.contentLineEdit->text())));
    case ActionAnimationPlay:
        if (f.fullAnimationRadioButton->isChecked())
            return CKorvexAction(new Korvex::CKorvexActionAnimationPlay(true, 0, 0));
        return CKorvexAction(new Korvex::CKorvexActionAnimationPlay(false, wholeNumber(f.animationFromLineEdit),
                                                                    wholeNumber(f.animationToLineEdit)));
    case ActionAnimationStop:
        return CKorvexAction(new Korvex::CKorvexActionAnimationStop());
    case ActionScript:
        return CKorvexAction(new Korvex::CKorvexActionAnnot3DScript(fromQString(m_script)));
    case ActionMultiAction: {
        auto* multi = new Korvex::CKorvexActionMultiAction(m_actions, Korvex::TriggerLoop);
        multi->SetTriggeringMode(Korvex::enumTriggeringMode(triggeringMode()));
        return CKorvexAction(multi);
    }
    case ActionSceneState:
        if (f.sceneStateTypeComboBox->currentIndex() == byIndexChoice)
            return CKorvexAction(new Korvex::CKorvexActionSceneState(wholeNumber(f.sceneStateIDLineEdit) - 1));
        return CKorvexAction(new Korvex::CKorvexActionSceneState(fromQString(f.sceneStateIDLineEdit->text())));
    case ActionPrepopulate: {
        auto* prepopulate = new Korvex::CKorvexActionPrepopulateFormTextBox();
        prepopulate->SetAttributeKeyName(fromQString(f.attributeKeyNameLineEdit->text()));
        return CKorvexAction(prepopulate);
    }
    case ActionNone:
        break;
    }
    return CKorvexAction();
}

void CKorvexActionWidget::SetAction(const CKorvexAction& action)
{
    runChange([&] {
        clearFields();
        m_script.clear();
        loadFields(action);
    });
}

void CKorvexActionWidget::loadFields(const CKorvexAction& action)
{
    const CKorvexActionForm& f = m_form;
    const Korvex::enumActionKind kind = action.IsNull() ? Korvex::ActionKindNone : action.GetBasicAction()->Kind();
    // The type list is numbered as the core numbers its kinds.
    f.actionComboBox->setCurrentIndex(int(kind));
    if (const auto* box = action.As<Korvex::CKorvexActionMessageBox>()) {
        f.titleLineEdit->setText(toQString(box->GetMessageTitle()));
        f.contentLineEdit->setText(toQString(box->GetMessageText()));
    } else if (const auto* script = action.As<Korvex::CKorvexActionAnnot3DScript>()) {
        m_script = toQString(script->GetAnnot3DScript());
    } else if (const auto* prepopulate = action.As<Korvex::CKorvexActionPrepopulateFormTextBox>()) {
        f.attributeKeyNameLineEdit->setText(toQString(prepopulate->AttributeKeyName()));
    } else if (const auto* multi = action.As<Korvex::CKorvexActionMultiAction>()) {
        m_actions = multi->ListActions();
        showTriggeringMode(multi->TriggeringMode());
    } else {
        loadAnimation(action);
        loadSceneState(action);
        loadUrl(action);
    }
}

void CKorvexActionWidget::loadAnimation(const CKorvexAction& action)
{
    const auto* play = action.As<Korvex::CKorvexActionAnimationPlay>();
    if (!play)
        return;
    if (play->IsFullAnimation()) {
        m_form.fullAnimationRadioButton->setChecked(true);
        return;
    }
    m_form.selectedAnimationRadioButton->setChecked(true);
    m_form.animationFromLineEdit->setText(QString::number(play->GetAnimationFromFrame()));
    m_form.animationToLineEdit->setText(QString::number(play->GetAnimationToFrame()));
}

void CKorvexActionWidget::loadSceneState(const CKorvexAction& action)
{
    auto* state = action.As<Korvex::CKorvexActionSceneState>();
    if (!state)
        return;
    const bool byIndex = state->IsByIndex();
    if (byIndex && state->GetSceneStateIndex() < 0)
        state->SetSceneStateByIndex(0);
    m_form.sceneStateTypeComboBox->setCurrentIndex(byIndex ? byIndexChoice : byNameChoice);
    showSceneStateChoice(byIndex);
    m_form.sceneStateIDLineEdit->setText(byIndex ? QString::number(state->GetSceneStateIndex() + 1)
                                                 : toQString(state->GetSceneStateName()));
}

void CKorvexActionWidget::loadUrl(const CKorvexAction& action)
{
    const auto* url = action.As<Korvex::CKorvexActionUrl>();
    if (!url)
        return;
    m_form.contentLineEdit->setText(toQString(url->Url()));
    m_form.filePathLineEdit->setText(toQString(url->LocalHtmlPath()));
    m_form.startupHtmlfileLineEdit->setText(toQString(url->StartupHtmlFile()));
}

bool CKorvexActionWidget::ExecDialog()
{
    QWidget* owner = parentWidget();
    QDialog host(owner ? owner->window() : nullptr,
                 Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    host.setObjectName(QStringLiteral("ActionDialog"));
    host.setWindowTitle(tr("Action Dialog"));
    if (owner)
        host.setWindowIcon(owner->windowIcon());
    auto* layout = new QHBoxLayout(&host);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(this);
    m_embedded = false;
    m_form.buttonRow->show();
    m_host = &host;
    const int result = CKorvexPrompt::exec(host);
    m_host = nullptr;
    layout->removeWidget(this);
    // The host goes away with this call; the form stays with whoever made it.
    setParent(owner);
    return result == QDialog::Accepted;
}

void CKorvexActionWidget::onOkClicked()
{
    if (m_host)
        m_host->accept();
}

void CKorvexActionWidget::onCancelClicked()
{
    if (m_host)
        m_host->reject();
}

void CKorvexActionWidget::onActionSelectionChange(int)
{
    runChange([this] { clearFields(); });
}

void CKorvexActionWidget::onSceneStateTypeChange(int index)
{
    runChange([this, index] {
        m_form.sceneStateIDLineEdit->clear();
        showSceneStateChoice(index == byIndexChoice);
    });
}

void CKorvexActionWidget::onRadioButtonChangeState()
{
    runChange([] {});
}

void CKorvexActionWidget::onTextChanged()
{
    sendWillChangeEvent();
    sendInfoChangedEvent();
}

void CKorvexActionWidget::onSelectButtonClicked()
{
}

void CKorvexActionWidget::onOpenFileButtonClicked()
{
    if (currentType() == ActionScript)
        editScript();
    else
        editSubActions();
}

void CKorvexActionWidget::editScript()
{
    CKorvexJavaScriptSelectionDialog dialog(this);
    dialog.SetScript(m_script);
    if (CKorvexPrompt::exec(dialog) != QDialog::Accepted)
        return;
    const QString script = dialog.GetScript();
    runChange([&] { m_script = script; });
}

void CKorvexActionWidget::editSubActions()
{
    KorvexReverseActionDialog dialog(this);
    dialog.SetActions(m_actions);
    CKorvexPrompt::exec(dialog);
    // Edits in the list are kept however it was closed.
    const std::vector<CKorvexAction> actions = dialog.GetActions();
    runChange([&] { m_actions = actions; });
}

void CKorvexActionWidget::onSelectHtmlFileButtonClicked()
{
    const QString folder = CKorvexPrompt::existingDirectory(this, tr("Select Html Directory"), m_lastHtmlFolder);
    if (folder.isEmpty() || !CKorvexHtmlFolderRules::acceptFolder(this, folder))
        return;
    runChange([&] {
        m_lastHtmlFolder = folder;
        m_form.filePathLineEdit->setText(folder);
    });
}

void CKorvexActionWidget::onSelectStartupHtmlFileButtonClicked()
{
    const QString folder = m_form.filePathLineEdit->text();
    if (!CKorvexHtmlFolderRules::canChooseStartupFile(this, folder))
        return;
    const QString chosen = CKorvexPrompt::openFileName(this, tr("Select html startup file"), folder, QString());
    if (chosen.isEmpty())
        return;
    const QString name = CKorvexHtmlFolderRules::acceptStartupFile(this, folder, chosen);
    if (!name.isEmpty())
        runChange([&] { m_form.startupHtmlfileLineEdit->setText(name); });
}

void CKorvexActionWidget::onHtmlFolderPathXButtonClicked()
{
    runChange([this] {
        m_form.filePathLineEdit->clear();
        m_lastHtmlFolder.clear();
    });
}

void CKorvexActionWidget::onStartupHtmlFileXButtonClicked()
{
    runChange([this] { m_form.startupHtmlfileLineEdit->clear(); });
}
