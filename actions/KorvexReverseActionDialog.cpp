#include "actions/KorvexReverseActionDialog.h"

#include "actions/CKorvexActionWidget.h"
#include "core/CKorvexActionAnimationPlay.h"
#include "core/CKorvexActionAnimationStop.h"
#include "core/CKorvexActionAnnot3DScript.h"
#include "core/CKorvexActionMessageBox.h"
#include "core/CKorvexActionMultiAction.h"
#include "core/CKorvexActionPrepopulateFormTextBox.h"
#include "core/CKorvexActionSceneState.h"
#include "core/CKorvexActionUrl.h"
#include "core/CKorvexString.h"
#include "services/CKorvexPrompt.h"

#include <QGridLayout>
#include <QIcon>
#include <QListWidget>
#include <QPushButton>

#include <utility>

using Korvex::CKorvexAction;
using Korvex::toQString;

namespace {

/// The first keep characters and "...", once the text has cutFrom characters or more.
QString shortened(const QString& text, int keep, int cutFrom)
{
    return text.size() >= cutFrom ? text.left(keep) + QStringLiteral("...") : text;
}

QPushButton* iconButton(QWidget* parent, const char* name, const char* icon)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(QIcon(QStringLiteral(":/KorvexDesigner/Resources/") + QLatin1String(icon)));
    return button;
}

QString animationLine(const Korvex::CKorvexActionAnimationPlay& play)
{
    if (play.IsFullAnimation())
        return KorvexReverseActionDialog::tr("Animation Play ( Full Animation )");
    return KorvexReverseActionDialog::tr("Animation Play ( From = \"%1\" , To = \"%2\")")
        .arg(play.GetAnimationFromFrame())
        .arg(play.GetAnimationToFrame());
}

QString sceneStateLine(Korvex::CKorvexActionSceneState& state)
{
    if (!state.IsByIndex())
        return KorvexReverseActionDialog::tr("Scene State ( %1 )")
            .arg(QStringLiteral("Name = \"") + toQString(state.GetSceneStateName()) + QLatin1Char('"'));
    if (state.GetSceneStateIndex() < 0)
        state.SetSceneStateByIndex(0);
    return KorvexReverseActionDialog::tr("Scene State ( %1 )")
        .arg(QStringLiteral("Index = ") + QString::number(state.GetSceneStateIndex() + 1));
}

} // namespace

KorvexReverseActionDialog::KorvexReverseActionDialog(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setupUi();
    connect(m_addButton, &QPushButton::clicked, this, &KorvexReverseActionDialog::onAddNewAction);
    connect(m_removeButton, &QPushButton::clicked, this, &KorvexReverseActionDialog::onRemoveAction);
    connect(m_upButton, &QPushButton::clicked, this, &KorvexReverseActionDialog::onMoveUp);
    connect(m_downButton, &QPushButton::clicked, this, &KorvexReverseActionDialog::onMoveDown);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &KorvexReverseActionDialog::actionItemDoubleClicked);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::close);
}

KorvexReverseActionDialog::~KorvexReverseActionDialog() = default;

void KorvexReverseActionDialog::setupUi()
{
    setObjectName(QStringLiteral("ReverseActionDialog"));
    setWindowTitle(tr("Multi Actions List"));
    auto* grid = new QGridLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstActionsList"));
    m_addButton = iconButton(this, "btnAddNewAction", "plus.png");
    m_removeButton = iconButton(this, "btnRemoveAction", "minus.png");
    m_upButton = iconButton(this, "btnMoveUp", "up.png");
    m_downButton = iconButton(this, "btnMoveDown", "down.png");
    m_okButton = new QPushButton(tr("Ok"), this);
    m_okButton->setObjectName(QStringLiteral("btnOk"));
    grid->addWidget(m_list, 0, 0, 5, 1);
    grid->addWidget(m_addButton, 0, 1);
    grid->addWidget(m_removeButton, 1, 1);
    grid->addWidget(m_upButton, 2, 1);
    grid->addWidget(m_downButton, 3, 1);
    grid->setRowStretch(4, 1);
    grid->addWidget(m_okButton, 5, 0, 1, 2, Qt::AlignRight);
}

void KorvexReverseActionDialog::SetActions(const std::vector<CKorvexAction>& actions)
{
    m_actions = actions;
    rebuildLines();
}

QString KorvexReverseActionDialog::actionLine(const CKorvexAction& action)
{
    if (const auto* play = action.As<Korvex::CKorvexActionAnimationPlay>())
        return animationLine(*play);
    if (auto* state = action.As<Korvex::CKorvexActionSceneState>())
        return sceneStateLine(*state);
    if (const auto* script = action.As<Korvex::CKorvexActionAnnot3DScript>())
        return tr("Script ( \"%1\" )")
            .arg(shortened(toQString(script->GetAnnot3DScript()).remove(QLatin1Char('\n')), 20, 20));
    if (const auto* box = action.As<Korvex::CKorvexActionMessageBox>())
        return tr("Message Box ( Title = \"%1\" , Message = \"%2\")")
            .arg(shortened(toQString(box->GetMessageTitle()), 20, 21),
                 shortened(toQString(box->GetMessageText()), 20, 21));
    if (const auto* prepopulate = action.As<Korvex::CKorvexActionPrepopulateFormTextBox>())
        return tr("Pre-populate Form Text Box ( Attribute Key Name = \"%1\")")
            .arg(shortened(toQString(prepopulate->AttributeKeyName()), 20, 21));
    if (const auto* url = action.As<Korvex::CKorvexActionUrl>())
        return tr("Url ( %1 )").arg(shortened(toQString(url->Url()), 17, 17));
    if (const auto* multi = action.As<Korvex::CKorvexActionMultiAction>())
        return tr("Multi Action ( %1 )").arg(multi->ListActions().size());
    if (action.As<Korvex::CKorvexActionAnimationStop>())
        return tr("Animation Stop");
    return QString();
}

void KorvexReverseActionDialog::rebuildLines()
{
    m_list->clear();
    for (const CKorvexAction& action : m_actions)
        m_list->addItem(actionLine(action));
}

int KorvexReverseActionDialog::validCurrentRow() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < int(m_actions.size()) ? row : -1;
}

void KorvexReverseActionDialog::onAddNewAction()
{
    CKorvexActionWidget editor(this);
    if (editor.ExecDialog()) {
        const CKorvexAction action = editor.GetAction();
        if (!action.IsNull())
            m_actions.push_back(action);
    }
    rebuildLines();
}

void KorvexReverseActionDialog::actionItemDoubleClicked(QListWidgetItem*)
{
    const int row = validCurrentRow();
    if (row < 0)
        return;
    CKorvexActionWidget editor(this);
    editor.SetAction(m_actions.at(size_t(row)));
    if (editor.ExecDialog()) {
        const CKorvexAction action = editor.GetAction();
        if (action.IsNull())
            m_actions.erase(m_actions.begin() + row);
        else
            m_actions[size_t(row)] = action;
    }
    rebuildLines();
}

void KorvexReverseActionDialog::onRemoveAction()
{
    const int row = validCurrentRow();
    if (row < 0) {
        CKorvexPrompt::information(this, tr("Select item"), tr("Please select an item to remove."));
        return;
    }
    m_actions.erase(m_actions.begin() + row);
    rebuildLines();
}

void KorvexReverseActionDialog::onMoveUp()
{
    moveCurrent(-1);
}

void KorvexReverseActionDialog::onMoveDown()
{
    moveCurrent(1);
}

void KorvexReverseActionDialog::moveCurrent(int offset)
{
    const int row = validCurrentRow();
    const int neighbour = row + offset;
    if (row < 0 || neighbour < 0 || neighbour >= int(m_actions.size()))
        return;
    std::swap(m_actions[size_t(row)], m_actions[size_t(neighbour)]);
    rebuildLines();
    m_list->setCurrentRow(neighbour);
}
