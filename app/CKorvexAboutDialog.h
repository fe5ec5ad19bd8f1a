#pragma once

#include <QDialog>

/// The Help > About box: logo, product name, version, framework version and what the product does.
class CKorvexAboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CKorvexAboutDialog(QWidget* parent = nullptr);

    static QString versionText();
    static QString frameworkText();
    static QString descriptionText();
};
