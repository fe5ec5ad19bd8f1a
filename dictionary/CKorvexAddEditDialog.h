#pragma once

#include <QDialog>

class CKorvexTableWidget;
class QLineEdit;
class QPushButton;
class QTreeWidgetItem;

/// Asks for the name and value of a table row: in insert mode it adds rows until closed, in
/// edit mode it changes one row.
class CKorvexAddEditDialog : public QDialog
{
    Q_OBJECT

public:
    enum Mode { InsertEntry, EditEntry };

    /// row is the row to edit; it is not used in insert mode.
    CKorvexAddEditDialog(CKorvexTableWidget& table, Mode mode, QTreeWidgetItem* row = nullptr,
                         QWidget* parent = nullptr);
    ~CKorvexAddEditDialog() override;

public slots:
    void addEditButton();
    void onBrowseClicked();

private:
    void setupUi();
    void insertEntry(const QString& name, const QString& value);
    void editEntry(const QString& name, const QString& value);

    CKorvexTableWidget& m_table;
    Mode m_mode;
    QTreeWidgetItem* m_row;
    QLineEdit* m_nameLineEdit = nullptr;
    QLineEdit* m_valueLineEdit = nullptr;
    QPushButton* m_addEditButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
