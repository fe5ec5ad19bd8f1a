#include "dictionary/CKorvexAddEditDialog.h"

#include "dictionary/CKorvexTableWidget.h"
#include "services/CKorvexPrompt.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidgetItem>

namespace {

// Entries often name files of one folder: every such dialog of the run starts where the last
// one chose.
QString& lastChosenFile()
{
    static QString path = QDir::homePath();
    return path;
}

} // namespace

CKorvexAddEditDialog::CKorvexAddEditDialog(CKorvexTableWidget& table, Mode mode, QTreeWidgetItem* row,
                                           QWidget* parent)
    : QDialog(parent), m_table(table), m_mode(mode), m_row(mode == EditEntry ? row : nullptr)
{
    setupUi();
    if (m_row) {
        m_nameLineEdit->setText(CKorvexTableWidget::rowName(m_row));
        m_valueLineEdit->setText(CKorvexTableWidget::rowValue(m_row));
    }
    connect(m_addEditButton, &QPushButton::clicked, this, &CKorvexAddEditDialog::addEditButton);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

CKorvexAddEditDialog::~CKorvexAddEditDialog() = default;

void CKorvexAddEditDialog::setupUi()
{
    setObjectName(QStringLiteral("AddEditDialog"));
    const bool inserting = m_mode == InsertEntry;
    setWindowTitle(inserting ? tr("Insert Items") : tr("Edit Items"));
    auto* nameLabel = new QLabel(tr("Name"), this);
    nameLabel->setObjectName(QStringLiteral("nameLabel"));
    m_nameLineEdit = new QLineEdit(this);
    m_nameLineEdit->setObjectName(QStringLiteral("nameLineEdit"));
    auto* valueLabel = new QLabel(tr("Value"), this);
    valueLabel->setObjectName(QStringLiteral("valueLabel"));
    m_valueLineEdit = new QLineEdit(this);
    m_valueLineEdit->setObjectName(QStringLiteral("valueLineEdit"));
    auto* browseButton = new QPushButton(tr("..."), this);
    browseButton->setObjectName(QStringLiteral("browseButton"));
    browseButton->setAutoDefault(false);
    connect(browseButton, &QPushButton::clicked, this, &CKorvexAddEditDialog::onBrowseClicked);
    m_addEditButton = new QPushButton(inserting ? tr("Add") : tr("Ok"), this);
    m_addEditButton->setObjectName(QStringLiteral("addEditButton"));
    m_addEditButton->setDefault(true);
    m_cancelButton = new QPushButton(inserting ? tr("Close") : tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    m_cancelButton->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_nameLineEdit, 0, 1, 1, 2);
    grid->addWidget(valueLabel, 1, 0);
    grid->addWidget(m_valueLineEdit, 1, 1);
    grid->addWidget(browseButton, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_addEditButton);
    buttons->addWidget(m_cancelButton);
    grid->addLayout(buttons, 2, 0, 1, 3);
    resize(350, 50);
}

void CKorvexAddEditDialog::addEditButton()
{
    const QString name = m_nameLineEdit->text().trimmed();
    const QString value = m_valueLineEdit->text().trimmed();
    if (m_mode == InsertEntry)
        insertEntry(name, value);
    else
        editEntry(name, value);
}

void CKorvexAddEditDialog::insertEntry(const QString& name, const QString& value)
{
    if (m_table.hasName(name)) {
        CKorvexPrompt::warning(this, tr("Insert item"), tr("Please insert a unique item name"));
        return;
    }
    if (name.isEmpty()) {
        CKorvexPrompt::information(this, tr("Insert Item"), tr("Please fill the key field"));
        return;
    }
    m_table.addRow(name, value);
    // Ready for the next entry.
    m_nameLineEdit->clear();
    m_valueLineEdit->clear();
    m_nameLineEdit->setFocus();
}

void CKorvexAddEditDialog::editEntry(const QString& name, const QString& value)
{
    // Its own row counts too: a change of case alone is refused.
    if (name != CKorvexTableWidget::rowName(m_row) && m_table.hasName(name)) {
        CKorvexPrompt::information(this, tr("Edit item"), tr("Please insert a unique item name"));
        return;
    }
    m_table.changeRow(m_row, name, value);
    accept();
}

void CKorvexAddEditDialog::onBrowseClicked()
{
    const QString path = CKorvexPrompt::openFileName(this, tr("Select File"), lastChosenFile(), QString());
    if (path.isEmpty())
        return;
    lastChosenFile() = path;
    m_valueLineEdit->setText(path);
}
