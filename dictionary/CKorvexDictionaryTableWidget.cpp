#include "dictionary/CKorvexDictionaryTableWidget.h"

#include "dictionary/CKorvexDictionary.h"
#include "dictionary/CKorvexTableWidget.h"
#include "services/CKorvexPrompt.h"

#include <QDir>
#include <QVBoxLayout>

CKorvexDictionaryTableWidget::CKorvexDictionaryTableWidget(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CKorvexDictionaryTableWidget"));
    setWindowTitle(tr("Dictionary"));
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool);
    m_table = new CKorvexTableWidget(this);
    m_table->setFlatTable(true);
    m_table->setFileButtonsVisible(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    resize(520, 440);

    m_table->fillTable(CKorvexDictionary::LoadDictionary());
    m_lastFilePath = QDir::homePath();
    // Connected after filling: filling saves nothing.
    connect(m_table, &CKorvexTableWidget::tableChanged, this, &CKorvexDictionaryTableWidget::onTableChanged);
    connect(m_table, &CKorvexTableWidget::closeClicked, this, &CKorvexDictionaryTableWidget::onCloseClicked);
    connect(m_table, &CKorvexTableWidget::saveClicked, this, &CKorvexDictionaryTableWidget::onSaveClicked);
    connect(m_table, &CKorvexTableWidget::loadClicked, this, &CKorvexDictionaryTableWidget::onLoadClicked);
}

CKorvexDictionaryTableWidget::~CKorvexDictionaryTableWidget() = default;

void CKorvexDictionaryTableWidget::onTableChanged()
{
    CKorvexDictionary::SaveDictionary(m_table->collectRows());
}

void CKorvexDictionaryTableWidget::onCloseClicked()
{
    hide();
}

void CKorvexDictionaryTableWidget::onSaveClicked()
{
    const QString path =
        CKorvexPrompt::saveFileName(this, tr("Save Dictionary File"), m_lastFilePath, tr("Dictionary File ( *.df )"));
    if (path.isEmpty())
        return;
    m_lastFilePath = path;
    CKorvexDictionary::WriteDictionaryFile(path, m_table->collectRows(), this);
}

void CKorvexDictionaryTableWidget::onLoadClicked()
{
    const QString path =
        CKorvexPrompt::openFileName(this, tr("Select Dictionary File"), m_lastFilePath, tr("Dictionary File ( *.df )"));
    if (path.isEmpty())
        return;
    m_lastFilePath = path;
    if (CKorvexDictionary::ReadDictionaryFile(path, this))
        m_table->fillTable(CKorvexDictionary::LoadDictionary());
}
