#include "services/CKorvexDialogPromptHandler.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QPushButton>

int CKorvexDialogPromptHandler::message(QWidget* parent, const CKorvexMessageRequest& request)
{
    QMessageBox box(request.icon, request.title, request.text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> buttons;
    for (const QString& text : request.buttons)
        buttons.append(box.addButton(text, QMessageBox::AcceptRole));
    if (request.defaultButton >= 0 && request.defaultButton < buttons.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(buttons.at(request.defaultButton)));
    if (request.escapeButton >= 0 && request.escapeButton < buttons.size())
        box.setEscapeButton(buttons.at(request.escapeButton));
    box.exec();
    const int chosen = buttons.indexOf(box.clickedButton());
    return chosen >= 0 ? chosen : request.escapeButton;
}

QString CKorvexDialogPromptHandler::file(QWidget* parent, const CKorvexFileRequest& request)
{
    switch (request.mode) {
    case CKorvexFileRequest::Open:
        return QFileDialog::getOpenFileName(parent, request.title, request.startPath, request.filter);
    case CKorvexFileRequest::Save:
        return QFileDialog::getSaveFileName(parent, request.title, request.startPath, request.filter);
    case CKorvexFileRequest::Directory:
        return QFileDialog::getExistingDirectory(parent, request.title, request.startPath);
    }
    return QString();
}

QColor CKorvexDialogPromptHandler::color(QWidget* parent, const CKorvexColorRequest& request)
{
    const QColorDialog::ColorDialogOptions options =
        request.withAlpha ? QColorDialog::ShowAlphaChannel : QColorDialog::ColorDialogOptions();
    return QColorDialog::getColor(request.initial, parent, request.title, options);
}

int CKorvexDialogPromptHandler::exec(QDialog& dialog)
{
    return dialog.exec();
}

QAction* CKorvexDialogPromptHandler::popup(QMenu& menu, const QPoint& globalPosition)
{
    return menu.exec(globalPosition);
}
