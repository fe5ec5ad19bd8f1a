#pragma once

#include "dictionary/CKorvexDictionary.h"

#include <QSet>
#include <QWidget>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

/// A tree used as a flat "Name" / "Value" table, with buttons to add, edit and remove rows; its
/// owner may show the dictionary file buttons and "Ok". Only the rows in view hold cell labels,
/// so that a table of ten thousand rows opens and scrolls at once.
class CKorvexTableWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CKorvexTableWidget(QWidget* parent = nullptr);
    ~CKorvexTableWidget() override;

    /// Makes the add and edit buttons open the entry dialog.
    void setFlatTable(bool flat) { m_flatTable = flat; }
    /// Whether adding, changing and removing a row emit tableChanged().
    void setChangeSignals(bool emitted) { m_changeSignals = emitted; }
    /// Shows or hides "Open Dictionary File", "Export Dictionary To File" and "Ok".
    void setFileButtonsVisible(bool visible);

    void clearTable();
    /// Replaces the rows with the entries in map order; emits nothing.
    void fillTable(const CKorvexDictionary::DictionaryMap& dictionary);
    void addRow(const QString& name, const QString& value);
    void changeRow(QTreeWidgetItem* row, const QString& name, const QString& value);
    /// The rows as a map; a later row replaces an earlier one of the same name.
    CKorvexDictionary::DictionaryMap collectRows() const;
    /// True when some row's name equals name ignoring case.
    bool hasName(const QString& name) const;

    static QString rowName(const QTreeWidgetItem* row);
    static QString rowValue(const QTreeWidgetItem* row);

signals:
    void tableChanged();
    void closeClicked();
    void saveClicked();
    void loadClicked();

public slots:
    void addButtonClicked();
    void editButtonClicked();
    void removeCurrentItem();
    void itemDoubleClicked(QTreeWidgetItem* item, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupUi();
    QWidget* buildButtons();
    QPushButton* makeButton(const char* objectName, const QString& text, const QString& icon = QString());
    QTreeWidgetItem* makeRow(const QString& name, const QString& value, bool oddRow);
    /// The current row when it is selected, else null.
    QTreeWidgetItem* selectedRow() const;
    void editRow(QTreeWidgetItem* row);
    void dropLabels(QTreeWidgetItem* row);
    void labelRowsInView();
    void notifyChange();
    int rowHeight();

    QTreeWidget* m_tree = nullptr;
    QList<QPushButton*> m_fileButtons;
    bool m_flatTable = false;
    bool m_changeSignals = true;
    QSet<QTreeWidgetItem*> m_labelledRows;
    int m_rowHeight = 0;
};
