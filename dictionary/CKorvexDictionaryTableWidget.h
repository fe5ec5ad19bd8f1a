#pragma once

#include <QDialog>

class CKorvexTableWidget;

/// The "Dictionary" dialog: the stored dictionary as a table whose every change is saved at
/// once, imported from and exported to dictionary files.
class CKorvexDictionaryTableWidget : public QDialog
{
    Q_OBJECT

public:
    explicit CKorvexDictionaryTableWidget(QWidget* parent = nullptr);
    ~CKorvexDictionaryTableWidget() override;

    CKorvexTableWidget* table() const { return m_table; }

public slots:
    void onTableChanged();
    void onCloseClicked();
    void onSaveClicked();
    void onLoadClicked();

private:
    CKorvexTableWidget* m_table = nullptr;
    /// Where the file choosers start: the home folder, then the last file chosen.
    QString m_lastFilePath;
};
