#pragma once

#include "actions/ActionType.h"
#include "actions/CKorvexActionForm.h"
#include "core/CKorvexAction.h"

#include <QMap>
#include <QPointer>
#include <QSignalBlocker>
#include <QVariant>
#include <QWidget>
#include <vector>

class QDialog;

/// The form that edits one click action: embedded in the property panel, where each edit is
/// reported at once, or run as the modal "Action Dialog" with "Ok" and "Cancel".
class CKorvexActionWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CKorvexActionWidget(QWidget* parent = nullptr);
    ~CKorvexActionWidget() override;

    /// A new action built from the fields.
    Korvex::CKorvexAction GetAction() const;
    /// Loads the fields from action, inside one will-change / changed bracket.
    void SetAction(const Korvex::CKorvexAction& action);
    /// Runs the form in its host dialog; true when it was accepted.
    bool ExecDialog();

    const CKorvexActionForm& form() const { return m_form; }
    bool isEmbedded() const { return m_embedded; }

signals:
    void onActionInfoChange(ActionType type, QMap<ActionProperty, QVariant> info);
    void onActionSettingsWillChange();
    void onActionSettingsChanged();

public slots:
    void onActionSelectionChange(int index);
    void onOpenFileButtonClicked();
    void sendInfoChangedEvent();
    void sendWillChangeEvent();
    void sendFinishChangeEvent();
    void onSceneStateTypeChange(int index);
    void onOkClicked();
    void onCancelClicked();
    void onRadioButtonChangeState();
    void onTextChanged();
    void onSelectButtonClicked();
    void onSelectHtmlFileButtonClicked();
    void onSelectStartupHtmlFileButtonClicked();
    void onHtmlFolderPathXButtonClicked();
    void onStartupHtmlFileXButtonClicked();

private:
    void connectFields();
    /// Blocks the change handlers of every field until the result goes away.
    std::vector<QSignalBlocker> quiet() const;
    /// Will-change when none is pending, the change, then the info and the end of the edit.
    template <typename Change>
    void runChange(Change change);
    ActionType currentType() const;
    QMap<ActionProperty, QVariant> info() const;
    void showRowsOf(ActionType type);
    void clearFields();
    void showSceneStateChoice(bool byIndex);
    void showTriggeringMode(int mode);
    int triggeringMode() const;
    void loadFields(const Korvex::CKorvexAction& action);
    void loadAnimation(const Korvex::CKorvexAction& action);
    void loadSceneState(const Korvex::CKorvexAction& action);
    void loadUrl(const Korvex::CKorvexAction& action);
    void editScript();
    void editSubActions();

    CKorvexActionForm m_form;
    QString m_script;
    std::vector<Korvex::CKorvexAction> m_actions;
    QString m_lastHtmlFolder;
    bool m_inEdit = false;
    bool m_embedded = true;
    QPointer<QDialog> m_host;
};
