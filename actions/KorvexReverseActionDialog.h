#pragma once

#include "core/CKorvexAction.h"

#include <QDialog>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QPushButton;

/// "Multi Actions List": adds, edits, removes and reorders the sub-actions of a multi action,
/// each edited in an action editor of its own.
class KorvexReverseActionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit KorvexReverseActionDialog(QWidget* parent = nullptr);
    ~KorvexReverseActionDialog() override;

    void SetActions(const std::vector<Korvex::CKorvexAction>& actions);
    std::vector<Korvex::CKorvexAction> GetActions() const { return m_actions; }

    /// The list line of one action; long texts are cut and followed by "...".
    static QString actionLine(const Korvex::CKorvexAction& action);

public slots:
    void onAddNewAction();
    void onRemoveAction();
    void onMoveUp();
    void onMoveDown();
    void actionItemDoubleClicked(QListWidgetItem* item);

private:
    void setupUi();
    void rebuildLines();
    /// Swaps the current row with the one at offset from it, when both exist.
    void moveCurrent(int offset);
    int validCurrentRow() const;

    std::vector<Korvex::CKorvexAction> m_actions;
    QListWidget* m_list = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_removeButton = nullptr;
    QPushButton* m_upButton = nullptr;
    QPushButton* m_downButton = nullptr;
    QPushButton* m_okButton = nullptr;
};
