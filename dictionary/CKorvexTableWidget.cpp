#include "dictionary/CKorvexTableWidget.h"

#include "dictionary/CKorvexAddEditDialog.h"
#include "dictionary/KorvexLabel.h"
#include "services/CKorvexPrompt.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

using Korvex::fromQString;
using Korvex::toQString;

namespace {

// The texts live in the rows, not as display text: the cells show them through labels.
constexpr int textRole = Qt::UserRole;
constexpr int oddRowRole = Qt::UserRole + 1;

const QString iconFolder = QStringLiteral(":/KorvexDesigner/Resources/");

} // namespace

CKorvexTableWidget::CKorvexTableWidget(QWidget* parent) : QWidget(parent)
{
    setupUi();
    setFileButtonsVisible(false);
}

CKorvexTableWidget::~CKorvexTableWidget() = default;

void CKorvexTableWidget::setupUi()
{
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("treeWidget"));
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels({tr("Name"), tr("Value")});
    m_tree->setColumnWidth(0, 180);
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setUniformRowHeights(true);
    m_tree->setAllColumnsShowFocus(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->viewport()->installEventFilter(this);
    connect(m_tree->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { labelRowsInView(); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &CKorvexTableWidget::itemDoubleClicked);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    layout->addWidget(buildButtons());
}

QWidget* CKorvexTableWidget::buildButtons()
{
    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    QPushButton* add = makeButton("addButton", QString(), QStringLiteral("plus.png"));
    QPushButton* remove = makeButton("removeButton", QString(), QStringLiteral("ActionCancel.png"));
    QPushButton* edit = makeButton("editButton", QString(), QStringLiteral("edit.png"));
    QPushButton* load = makeButton("loadButton", tr("Open Dictionary File"));
    QPushButton* save = makeButton("saveButton", tr("Export Dictionary To File"));
    QPushButton* close = makeButton("closeButton", tr("Ok"));
    add->setToolTip(tr("Add"));
    remove->setToolTip(tr("Remove"));
    edit->setToolTip(tr("Edit"));
    for (QPushButton* button : {add, remove, edit, load, save})
        row->addWidget(button);
    row->addStretch();
    row->addWidget(close);
    m_fileButtons = {load, save, close};
    connect(add, &QPushButton::clicked, this, &CKorvexTableWidget::addButtonClicked);
    connect(remove, &QPushButton::clicked, this, &CKorvexTableWidget::removeCurrentItem);
    connect(edit, &QPushButton::clicked, this, &CKorvexTableWidget::editButtonClicked);
    connect(load, &QPushButton::clicked, this, &CKorvexTableWidget::loadClicked);
    connect(save, &QPushButton::clicked, this, &CKorvexTableWidget::saveClicked);
    connect(close, &QPushButton::clicked, this, &CKorvexTableWidget::closeClicked);
    return buttons;
}

QPushButton* CKorvexTableWidget::makeButton(const char* objectName, const QString& text, const QString& icon)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(objectName));
    if (!icon.isEmpty())
        button->setIcon(QIcon(iconFolder + icon));
    button->setAutoDefault(false);
    return button;
}

void CKorvexTableWidget::setFileButtonsVisible(bool visible)
{
    for (QPushButton* button : qAsConst(m_fileButtons))
        button->setVisible(visible);
}

void CKorvexTableWidget::clearTable()
{
    m_labelledRows.clear();
    m_tree->clear();
}

void CKorvexTableWidget::fillTable(const CKorvexDictionary::DictionaryMap& dictionary)
{
    clearTable();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(dictionary.size());
    for (auto entry = dictionary.constBegin(); entry != dictionary.constEnd(); ++entry)
        rows.append(makeRow(toQString(entry.key()), toQString(entry.value()), rows.size() % 2 == 1));
    // One insertion: the view lays the rows out once.
    m_tree->addTopLevelItems(rows);
    labelRowsInView();
}

void CKorvexTableWidget::addRow(const QString& name, const QString& value)
{
    QTreeWidgetItem* row = makeRow(name, value, m_tree->topLevelItemCount() % 2 == 1);
    m_tree->addTopLevelItem(row);
    m_tree->scrollToItem(row);
    labelRowsInView();
    notifyChange();
}

void CKorvexTableWidget::changeRow(QTreeWidgetItem* row, const QString& name, const QString& value)
{
    row->setData(0, textRole, name);
    row->setData(1, textRole, value);
    dropLabels(row);
    labelRowsInView();
    notifyChange();
}

CKorvexDictionary::DictionaryMap CKorvexTableWidget::collectRows() const
{
    CKorvexDictionary::DictionaryMap dictionary;
    const int count = m_tree->topLevelItemCount();
    for (int index = 0; index < count; ++index) {
        const QTreeWidgetItem* row = m_tree->topLevelItem(index);
        dictionary.insert(fromQString(rowName(row)), fromQString(rowValue(row)));
    }
    return dictionary;
}

bool CKorvexTableWidget::hasName(const QString& name) const
{
    const int count = m_tree->topLevelItemCount();
    for (int index = 0; index < count; ++index) {
        if (QString::compare(rowName(m_tree->topLevelItem(index)), name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString CKorvexTableWidget::rowName(const QTreeWidgetItem* row)
{
    return row->data(0, textRole).toString();
}

QString CKorvexTableWidget::rowValue(const QTreeWidgetItem* row)
{
    return row->data(1, textRole).toString();
}

void CKorvexTableWidget::addButtonClicked()
{
    if (!m_flatTable)
        return;
    CKorvexAddEditDialog dialog(*this, CKorvexAddEditDialog::InsertEntry, nullptr, this);
    CKorvexPrompt::exec(dialog);
}

void CKorvexTableWidget::editButtonClicked()
{
    QTreeWidgetItem* row = selectedRow();
    if (!row) {
        CKorvexPrompt::information(this, tr("Edit item"), tr("Please select item or category to edit."));
        return;
    }
    editRow(row);
}

void CKorvexTableWidget::itemDoubleClicked(QTreeWidgetItem* item, int)
{
    if (item)
        editRow(item);
}

void CKorvexTableWidget::editRow(QTreeWidgetItem* row)
{
    if (!m_flatTable)
        return;
    CKorvexAddEditDialog dialog(*this, CKorvexAddEditDialog::EditEntry, row, this);
    CKorvexPrompt::exec(dialog);
}

void CKorvexTableWidget::removeCurrentItem()
{
    QTreeWidgetItem* row = selectedRow();
    if (!row) {
        CKorvexPrompt::information(this, tr("Remove item"), tr("Please select item to remove."));
        return;
    }
    m_labelledRows.remove(row);
    delete row;
    labelRowsInView();
    notifyChange();
}

QTreeWidgetItem* CKorvexTableWidget::selectedRow() const
{
    // The view makes the first row current when it gets the focus; only a chosen row counts.
    QTreeWidgetItem* row = m_tree->currentItem();
    return row && row->isSelected() ? row : nullptr;
}

QTreeWidgetItem* CKorvexTableWidget::makeRow(const QString& name, const QString& value, bool oddRow)
{
    auto* row = new QTreeWidgetItem;
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    row->setData(0, textRole, name);
    row->setData(1, textRole, value);
    row->setData(0, oddRowRole, oddRow);
    // Rows keep their height whether or not their labels exist yet.
    const QSize hint(0, rowHeight());
    row->setSizeHint(0, hint);
    row->setSizeHint(1, hint);
    return row;
}

int CKorvexTableWidget::rowHeight()
{
    if (m_rowHeight == 0) {
        KorvexLabel sample(QStringLiteral("Ag"), false);
        sample.ensurePolished();
        m_rowHeight = sample.sizeHint().height();
    }
    return m_rowHeight;
}

void CKorvexTableWidget::dropLabels(QTreeWidgetItem* row)
{
    if (!m_labelledRows.remove(row))
        return;
    m_tree->removeItemWidget(row, 0);
    m_tree->removeItemWidget(row, 1);
}

void CKorvexTableWidget::labelRowsInView()
{
    QSet<QTreeWidgetItem*> inView;
    const int bottom = m_tree->viewport()->height();
    for (QTreeWidgetItem* row = m_tree->itemAt(0, 0); row && m_tree->visualItemRect(row).top() < bottom;
         row = m_tree->itemBelow(row)) {
        inView.insert(row);
        if (m_labelledRows.contains(row))
            continue;
        const bool odd = row->data(0, oddRowRole).toBool();
        m_tree->setItemWidget(row, 0, new KorvexLabel(rowName(row), odd));
        m_tree->setItemWidget(row, 1, new KorvexLabel(rowValue(row), odd));
    }
    const QSet<QTreeWidgetItem*> labelled = m_labelledRows;
    for (QTreeWidgetItem* row : labelled) {
        if (!inView.contains(row))
            dropLabels(row);
    }
    m_labelledRows = inView;
}

bool CKorvexTableWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_tree->viewport() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        labelRowsInView();
    return QWidget::eventFilter(watched, event);
}

void CKorvexTableWidget::notifyChange()
{
    if (m_changeSignals)
        emit tableChanged();
}
