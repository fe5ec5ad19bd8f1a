#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QSpinBox;
class QTabWidget;

/// The "Preferences" dialog: grid unit size and snapping, kept in the settings store.
class CKorvexPreferences : public QDialog
{
    Q_OBJECT

public:
    explicit CKorvexPreferences(QWidget* parent = nullptr);
    ~CKorvexPreferences() override;

public slots:
    void onOkButtonClicked();
    void onSnappingCheckBoxChecked(int state);

private:
    void setupUi();
    QWidget* buildGridTab();
    QWidget* buildButtons();
    void readSettings();
    void connectSlots();

    QTabWidget* m_tabWidget = nullptr;
    QSpinBox* m_gridSizeSpinBox = nullptr;
    QCheckBox* m_snappingCheckBox = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
