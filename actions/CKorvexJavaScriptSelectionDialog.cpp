#include "actions/CKorvexJavaScriptSelectionDialog.h"

#include "services/CKorvexPrompt.h"

#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString CKorvexJavaScriptSelectionDialog::s_lastImportPath;

CKorvexJavaScriptSelectionDialog::CKorvexJavaScriptSelectionDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
{
    setupUi();
    connect(m_importButton, &QPushButton::clicked, this, &CKorvexJavaScriptSelectionDialog::onImport);
    connect(m_okButton, &QPushButton::clicked, this, &CKorvexJavaScriptSelectionDialog::onOk);
    connect(m_cancelButton, &QPushButton::clicked, this, &CKorvexJavaScriptSelectionDialog::onCancel);
}

CKorvexJavaScriptSelectionDialog::~CKorvexJavaScriptSelectionDialog() = default;

void CKorvexJavaScriptSelectionDialog::setupUi()
{
    setObjectName(QStringLiteral("JavaScriptEditDialog"));
    setWindowTitle(tr("3D Annotation JavaScript"));
    setWindowIcon(QIcon(QStringLiteral(":/KorvexDesigner/Resources/KorvexDesigner.png")));
    auto* column = new QVBoxLayout(this);
    m_editor = new QPlainTextEdit(this);
    m_editor->setObjectName(QStringLiteral("javaScriptPlainTextEdit"));
    column->addWidget(m_editor);
    auto* buttons = new QHBoxLayout;
    m_importButton = new QPushButton(tr("Open"), this);
    m_importButton->setObjectName(QStringLiteral("importButton"));
    m_okButton = new QPushButton(tr("Ok"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(m_importButton);
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    column->addLayout(buttons);
}

void CKorvexJavaScriptSelectionDialog::SetScript(const QString& script)
{
    m_editor->insertPlainText(script);
}

QString CKorvexJavaScriptSelectionDialog::GetScript() const
{
    return m_editor->toPlainText();
}

void CKorvexJavaScriptSelectionDialog::onImport()
{
    const QString path = CKorvexPrompt::openFileName(this, tr("Import JavaScript File"), s_lastImportPath,
                                                     tr("JavaScript ( *.js )"));
    if (path.isEmpty())
        return;
    s_lastImportPath = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString script = QString::fromUtf8(file.readAll());
    m_editor->clear();
    m_editor->insertPlainText(script);
}

void CKorvexJavaScriptSelectionDialog::onOk()
{
    accept();
}

void CKorvexJavaScriptSelectionDialog::onCancel()
{
    reject();
}
