#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

/// "3D Annotation JavaScript": edits the script of a script action, or imports it from a file.
class CKorvexJavaScriptSelectionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CKorvexJavaScriptSelectionDialog(QWidget* parent = nullptr);
    ~CKorvexJavaScriptSelectionDialog() override;

    /// Inserts the text into the editor.
    void SetScript(const QString& script);
    QString GetScript() const;

public slots:
    void onImport();
    void onOk();
    void onCancel();

private:
    void setupUi();

    /// The file imported last, where the next chooser starts; shared by every dialog of the run.
    static QString s_lastImportPath;

    QPlainTextEdit* m_editor = nullptr;
    QPushButton* m_importButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
