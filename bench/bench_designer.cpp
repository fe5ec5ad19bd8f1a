#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "app/DesignerMainWindow.h"
#include "bench/KorvexBenchDictionary.h"
#include "bench/KorvexBenchMemory.h"
#include "bench/KorvexBenchPage.h"
#include "bench/KorvexBenchPlainScene.h"
#include "core/CKorvexUndoManager.h"
#include "dictionary/CKorvexDictionaryTableWidget.h"
#include "properties/CKorvexPropertyWidget.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexDesignerText.h"
#include "services/CKorvexProductInfo.h"

#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <memory>

using Korvex::CKorvexUndoManager;

namespace {

constexpr int gridStep = 10;

QList<int> pageCounts()
{
    QList<int> counts;
    const QString wanted = qEnvironmentVariable("KORVEX_BENCH_N", QStringLiteral("100,1000,10000"));
    for (const QString& part : wanted.split(QLatin1Char(','), Qt::SkipEmptyParts))
        counts.append(part.trimmed().toInt());
    return counts;
}

void addCountRows(const QString& variant = QString())
{
    const QList<int> counts = pageCounts();
    for (int count : counts) {
        const QString tag = variant.isEmpty() ? QString::number(count) : variant + QLatin1Char(' ') + QString::number(count);
        QTest::newRow(qPrintable(tag)) << count << variant;
    }
}

// With KORVEX_BENCH_SKIP_WARMUP set, the framework's warm-up run of a row records an empty
// block instead of the operation: on the largest pages one run of a slow operation is all
// the time allows, and it should be the measured one.
bool skippedWarmup()
{
    static QSet<QByteArray> seen;
    if (qEnvironmentVariableIsEmpty("KORVEX_BENCH_SKIP_WARMUP"))
        return false;
    const QByteArray row = QByteArray(QTest::currentTestFunction()) + '/' + QTest::currentDataTag();
    if (seen.contains(row))
        return false;
    seen.insert(row);
    QBENCHMARK_ONCE {
    }
    return true;
}

void sendMouse(QWidget* viewport, QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

bool runTool(const QString& program, const QStringList& arguments, const QString& folder = QString())
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

/// Times what a person waits for on large pages, with the floors that bound each operation.
class BenchDesigner : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void save_data();
    void save();
    void zipFloor_data();
    void zipFloor();
    void undoState_data();
    void undoState();
    void selectShow_data();
    void selectShow();
    void preview_data();
    void preview();
    void repaint_data();
    void repaint();
    void repaintFloor_data();
    void repaintFloor();
    void moveEvent_data();
    void moveEvent();
    void moveEventFloor_data();
    void moveEventFloor();
    void moveDrag_data();
    void moveDrag();
    void moveDragFloor_data();
    void moveDragFloor();
    void open_data();
    void open();
    void unzipFloor_data();
    void unzipFloor();
    void buildFloor_data();
    void buildFloor();
    void pasteUndoRedo_data();
    void pasteUndoRedo();
    void dictionaryOpen_data();
    void dictionaryOpen();
    void dictionaryImport_data();
    void dictionaryImport();
    void dictionaryRefresh_data();
    void dictionaryRefresh();

private:
    void showPage(int count);
    QString packagePath(int count) const;
    void ensurePackage(int count);
    void setZoom(const QString& entry);
    void showPlainScene(int count);
    bool pressPoint(QGraphicsView* view, bool designer, QPoint& at) const;
    /// Shows the page of count items with every item selected; at := a point that drags them.
    bool selectWholePage(int count, QPoint& at);
    void moveOnce(QGraphicsView* view, QPoint& at, int& direction, bool withPress);

    std::unique_ptr<DesignerMainWindow> m_window;
    CKorvexDesignerScene* m_scene = nullptr;
    QGraphicsView* m_view = nullptr;
    int m_shownCount = -1;
    std::unique_ptr<KorvexBenchPage> m_page;
    std::unique_ptr<KorvexBenchDictionary> m_dictionary;
    QString m_dataFolder;
    QTemporaryDir m_scratch;

    std::unique_ptr<KorvexBenchPlainScene> m_plainScene;
    std::unique_ptr<QGraphicsView> m_plainView;
    int m_plainCount = -1;

    enum class PasteState { None, Pasted, Undone };
    PasteState m_pasteState = PasteState::None;
    int m_pasteCount = 0;

    int m_boundCount = -1;
    int m_dictionaryChanges = 0;
};

void BenchDesigner::initTestCase()
{
    QVERIFY(m_scratch.isValid());
    m_dataFolder = qEnvironmentVariable("KORVEX_BENCH_DATA", m_scratch.path());
    m_page = std::make_unique<KorvexBenchPage>(m_dataFolder + QStringLiteral("/pictures"));
    QVERIFY(m_page->isValid());
    m_dictionary = std::make_unique<KorvexBenchDictionary>(*m_page);

    const auto settings = CKorvexProductInfo::openSettings();
    settings->beginGroup(QStringLiteral("Designer"));
    settings->setValue(QStringLiteral("SnappingCheckBox"), true);
    settings->setValue(QStringLiteral("GridSize"), gridStep);
    settings->sync();

    m_window = std::make_unique<DesignerMainWindow>();
    m_window->setGeometry(100, 100, 1200, 900);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_scene = m_window->scene();
    m_view = m_window->view();
}

void BenchDesigner::cleanupTestCase()
{
    m_plainView.reset();
    m_plainScene.reset();
    m_window.reset();
}

void BenchDesigner::init()
{
    KorvexBenchMemory::resetPeak();
}

void BenchDesigner::cleanup()
{
    // One line per run; the table keeps the largest for each row.
    std::printf("KORVEX_BENCH_PEAK %s %s %lld\n", QTest::currentTestFunction(),
                QTest::currentDataTag() ? QTest::currentDataTag() : "", KorvexBenchMemory::peakKiB());
    std::fflush(stdout);
}

void BenchDesigner::showPage(int count)
{
    if (m_shownCount == count)
        return;
    m_pasteState = PasteState::None;
    m_boundCount = -1;
    m_scene->resetPage(false);
    QElapsedTimer timer;
    timer.start();
    const QList<CKorvexDesignerProperty> records = m_page->records(count);
    for (const CKorvexDesignerProperty& record : records)
        QVERIFY(m_scene->addItemFromProperties(record));
    m_scene->finishTemplateRead();
    QCOMPARE(m_scene->pageItems().size(), count);
    std::printf("KORVEX_BENCH_NOTE built %d items through the item builder in %lld ms\n", count, timer.elapsed());
    m_shownCount = count;
    setZoom(QStringLiteral("100%"));
    QCoreApplication::processEvents();
}

QString BenchDesigner::packagePath(int count) const
{
    return m_dataFolder + QStringLiteral("/page-%1.ktf").arg(count);
}

void BenchDesigner::ensurePackage(int count)
{
    if (QFileInfo::exists(packagePath(count)))
        return;
    showPage(count);
    QVERIFY(m_scene->writeTemplate(packagePath(count)));
}

void BenchDesigner::setZoom(const QString& entry)
{
    QComboBox* box = m_window->ui().zoomBox;
    const int index = box->findText(entry);
    QVERIFY(index >= 0);
    box->setCurrentIndex(index);
    m_view->centerOn(KorvexBenchPage::pageSize().width() / 2, KorvexBenchPage::pageSize().height() / 3);
    QCoreApplication::processEvents();
}

void BenchDesigner::showPlainScene(int count)
{
    if (m_plainCount != count) {
        m_plainView.reset();
        m_plainScene = std::make_unique<KorvexBenchPlainScene>(m_page->records(count));
        m_plainCount = count;
    }
    if (!m_plainView) {
        m_plainView = std::make_unique<QGraphicsView>(m_plainScene.get());
        m_plainView->setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
        m_plainView->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_plainView.get()));
    }
    // The designer's viewport size, zoom and render hints, so only the items differ.
    m_plainView->resize(m_view->size());
    m_plainView->setRenderHints(m_view->renderHints());
    m_plainView->setTransform(m_view->transform());
    m_plainView->centerOn(m_view->mapToScene(m_view->viewport()->rect().center()));
    QCoreApplication::processEvents();
}

// A viewport point whose top-most item is a page item rather than a handle. With thousands of
// items selected their handles cover most of the page, so the viewport is scanned for a gap.
bool BenchDesigner::pressPoint(QGraphicsView* view, bool designer, QPoint& at) const
{
    const QRect inner = view->viewport()->rect().adjusted(40, 40, -40, -40);
    for (int y = inner.top(); y <= inner.bottom(); y += 3) {
        for (int x = inner.left(); x <= inner.right(); x += 3) {
            const QGraphicsItem* item = view->itemAt(x, y);
            if (!item)
                continue;
            const bool pageItem = designer ? CKorvexDesignerItem::companionOf(item) && item != m_scene->screen()
                                           : bool(item->flags() & QGraphicsItem::ItemIsMovable);
            if (pageItem) {
                at = QPoint(x, y);
                return true;
            }
        }
    }
    return false;
}

void BenchDesigner::moveOnce(QGraphicsView* view, QPoint& at, int& direction, bool withPress)
{
    QWidget* viewport = view->viewport();
    const double scale = view->transform().m11();
    const QPoint to = at + QPoint(qRound(direction * gridStep * scale), 0);
    if (withPress)
        sendMouse(viewport, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    if (withPress)
        sendMouse(viewport, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    // The person waits for the moved items on screen, not only for the event.
    QCoreApplication::processEvents();
    at = to;
    direction = -direction;
}

void BenchDesigner::save_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("variant");
    addCountRows();
}

void BenchDesigner::save()
{
    QFETCH(int, count);
    showPage(count);
    const QString target = packagePath(count);
    QBENCHMARK {
        QVERIFY(m_scene->writeTemplate(target));
    }
    QVERIFY(QFileInfo(target).size() > 0);
}

void BenchDesigner::zipFloor_data()
{
    save_data();
}

void BenchDesigner::zipFloor()
{
    QFETCH(int, count);
    ensurePackage(count);
    const QString contents = m_scratch.path() + QStringLiteral("/contents-%1").arg(count);
    if (!QFileInfo::exists(contents))
        QVERIFY(runTool(QStringLiteral("unzip"), {QStringLiteral("-q"), packagePath(count), QStringLiteral("-d"), contents}));
    const QString target = m_scratch.path() + QStringLiteral("/floor-%1.zip").arg(count);
    QBENCHMARK {
        QFile::remove(target);
        QVERIFY(runTool(QStringLiteral("zip"), {QStringLiteral("-r"), QStringLiteral("-q"), target, QStringLiteral(".")}, contents));
    }
}

void BenchDesigner::undoState_data()
{
    save_data();
}

void BenchDesigner::undoState()
{
    QFETCH(int, count);
    showPage(count);
    // The state a click on one item opens and closes.
    QGraphicsItem* clicked = m_scene->pageItems().value(count / 2);
    m_scene->ClearSelection();
    m_scene->selectItem(clicked, true);
    m_scene->setCurrentItem(clicked);
    const int steps = CKorvexUndoManager::getInstance().UndoCount();
    QBENCHMARK {
        m_scene->beginState(m_scene->gestureScope());
        m_scene->endState();
    }
    QCOMPARE(CKorvexUndoManager::getInstance().UndoCount(), steps);
    m_scene->ClearSelection();
}

void BenchDesigner::selectShow_data()
{
    save_data();
}

void BenchDesigner::selectShow()
{
    QFETCH(int, count);
    showPage(count);
    // Two items of different kinds, so every selection lays the panel's rows out anew.
    const QList<QGraphicsItem*> items = m_scene->pageItems();
    QGraphicsItem* first = items.first();
    QGraphicsItem* second = nullptr;
    for (QGraphicsItem* item : items) {
        if (CKorvexDeletableItem::kindOf(item) != CKorvexDeletableItem::kindOf(first))
            second = item;
    }
    QVERIFY(second);
    auto* panel = m_window->ui().propertyWidget;
    bool flip = false;
    QBENCHMARK {
        QGraphicsItem* item = flip ? first : second;
        flip = !flip;
        m_scene->deselectAll();
        m_scene->selectItem(item, true);
        m_scene->setCurrentItem(item);
        m_scene->showInPanel(item);
        QCoreApplication::processEvents();
    }
    QVERIFY(panel->item() == first || panel->item() == second);
}

void BenchDesigner::preview_data()
{
    save_data();
}

void BenchDesigner::preview()
{
    QFETCH(int, count);
    showPage(count);
    const QString textFile = m_scratch.path() + QStringLiteral("/preview/page.ktf");
    QDir().mkpath(QFileInfo(textFile).absolutePath());
    QBENCHMARK {
        m_scene->writePreview(textFile);
    }
    QVERIFY(QFileInfo::exists(QFileInfo(textFile).absolutePath() + QStringLiteral("/_preview.png")));
}

void BenchDesigner::repaint_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("variant");
    addCountRows(QStringLiteral("100%"));
    addCountRows(QStringLiteral("400%"));
}

void BenchDesigner::repaint()
{
    QFETCH(int, count);
    QFETCH(QString, variant);
    showPage(count);
    setZoom(variant);
    QBENCHMARK {
        m_view->viewport()->repaint();
    }
    setZoom(QStringLiteral("100%"));
}

void BenchDesigner::repaintFloor_data()
{
    repaint_data();
}

void BenchDesigner::repaintFloor()
{
    QFETCH(int, count);
    QFETCH(QString, variant);
    showPage(count);
    setZoom(variant);
    showPlainScene(count);
    QBENCHMARK {
        m_plainView->viewport()->repaint();
    }
    setZoom(QStringLiteral("100%"));
}

bool BenchDesigner::selectWholePage(int count, QPoint& at)
{
    showPage(count);
    const auto items = m_scene->pageItems();
    for (QGraphicsItem* item : items)
        m_scene->selectItem(item, true);
    // The selection shows its handles once the event that made it is over, before any move.
    QCoreApplication::processEvents();
    return pressPoint(m_view, true, at);
}

void BenchDesigner::moveEvent_data()
{
    save_data();
}

void BenchDesigner::moveEvent()
{
    if (skippedWarmup())
        return;
    QFETCH(int, count);
    QPoint at;
    QVERIFY(selectWholePage(count, at));
    QGraphicsItem* target = m_view->itemAt(at);
    const QPointF before = target->scenePos();
    sendMouse(m_view->viewport(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    int direction = 1;
    QBENCHMARK {
        moveOnce(m_view, at, direction, false);
    }
    if (direction < 0)
        moveOnce(m_view, at, direction, false);
    sendMouse(m_view->viewport(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(target->scenePos(), before);
    m_scene->ClearSelection();
}

void BenchDesigner::moveEventFloor_data()
{
    save_data();
}

void BenchDesigner::moveEventFloor()
{
    QFETCH(int, count);
    showPage(count);
    showPlainScene(count);
    m_plainScene->selectAll();
    QPoint at;
    QVERIFY(pressPoint(m_plainView.get(), false, at));
    sendMouse(m_plainView->viewport(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    int direction = 1;
    QBENCHMARK {
        moveOnce(m_plainView.get(), at, direction, false);
    }
    QCOMPARE(m_plainScene->selectedItems().size(), count);
    sendMouse(m_plainView->viewport(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void BenchDesigner::moveDrag_data()
{
    save_data();
}

void BenchDesigner::moveDrag()
{
    if (skippedWarmup())
        return;
    QFETCH(int, count);
    QPoint at;
    QVERIFY(selectWholePage(count, at));
    const int steps = CKorvexUndoManager::getInstance().UndoCount();
    int direction = 1;
    QBENCHMARK {
        moveOnce(m_view, at, direction, true);
    }
    QVERIFY(CKorvexUndoManager::getInstance().UndoCount() > steps);
    m_scene->ClearSelection();
}

void BenchDesigner::moveDragFloor_data()
{
    save_data();
}

void BenchDesigner::moveDragFloor()
{
    QFETCH(int, count);
    showPage(count);
    showPlainScene(count);
    m_plainScene->selectAll();
    QPoint at;
    QVERIFY(pressPoint(m_plainView.get(), false, at));
    int direction = 1;
    QBENCHMARK {
        moveOnce(m_plainView.get(), at, direction, true);
    }
    QCOMPARE(m_plainScene->selectedItems().size(), count);
}

void BenchDesigner::open_data()
{
    save_data();
}

void BenchDesigner::open()
{
    if (skippedWarmup())
        return;
    QFETCH(int, count);
    ensurePackage(count);
    // Each run opens into an empty page, as File > Open after New does.
    m_scene->resetPage(false);
    m_shownCount = -1;
    m_pasteState = PasteState::None;
    m_boundCount = -1;
    QCoreApplication::processEvents();
    QBENCHMARK_ONCE {
        QVERIFY(m_scene->readTemplate(packagePath(count)));
        m_view->viewport()->repaint();
    }
    QCOMPARE(m_scene->pageItems().size(), count);
    m_shownCount = count;
}

void BenchDesigner::unzipFloor_data()
{
    save_data();
}

void BenchDesigner::unzipFloor()
{
    QFETCH(int, count);
    ensurePackage(count);
    const QString folder = m_scratch.path() + QStringLiteral("/unzipped-%1").arg(count);
    QBENCHMARK {
        QVERIFY(runTool(QStringLiteral("unzip"), {QStringLiteral("-q"), QStringLiteral("-o"), packagePath(count),
                                                  QStringLiteral("-d"), folder}));
    }
}

void BenchDesigner::buildFloor_data()
{
    save_data();
}

void BenchDesigner::buildFloor()
{
    if (skippedWarmup())
        return;
    QFETCH(int, count);
    const QList<CKorvexDesignerProperty> records = m_page->records(count);
    QGraphicsView view;
    view.resize(m_view->size());
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    std::unique_ptr<KorvexBenchPlainScene> plain;
    // The framework's floor for building a page: its items made, added and shown once.
    QBENCHMARK_ONCE {
        plain = std::make_unique<KorvexBenchPlainScene>(records);
        view.setScene(plain.get());
        view.viewport()->repaint();
    }
    QCOMPARE(plain->itemCount(), count);
}

void BenchDesigner::pasteUndoRedo_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("variant");
    // Each N in turn: the undo rows start from the paste before them.
    const QList<int> counts = pageCounts();
    for (int count : counts) {
        for (const char* variant : {"paste", "undo", "redo"})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(variant)).arg(count)))
                << count << QString::fromLatin1(variant);
    }
}

void BenchDesigner::pasteUndoRedo()
{
    if (skippedWarmup())
        return;
    QFETCH(int, count);
    QFETCH(QString, variant);
    if (variant == QLatin1String("paste") || m_pasteState == PasteState::None || m_pasteCount != count) {
        // Items are copied from a page open and shown: their pictures are decoded and drawn at their sizes.
        showPage(count);
        // Paste into a new, empty page: rebuilding N items under the paste would cost more than the paste.
        m_scene->resetPage(false);
        m_shownCount = -1;
        m_pasteState = PasteState::None;
        m_boundCount = -1;
        // The view as a page just shown leaves it, whatever rows ran before.
        setZoom(QStringLiteral("100%"));
        QGuiApplication::clipboard()->setText(m_page->clipboardText(count));
        QCoreApplication::processEvents();
    }
    if (variant == QLatin1String("paste")) {
        QBENCHMARK_ONCE {
            m_scene->pasteSelectedItems();
            QCoreApplication::processEvents();
        }
        m_pasteState = PasteState::Pasted;
        m_pasteCount = count;
    } else {
        if (m_pasteState == PasteState::None) {
            m_scene->pasteSelectedItems();
            m_pasteState = PasteState::Pasted;
            m_pasteCount = count;
        }
        const bool undoing = variant == QLatin1String("undo");
        if (undoing && m_pasteState == PasteState::Undone)
            m_scene->redo();
        else if (!undoing && m_pasteState == PasteState::Pasted)
            m_scene->undo();
        QCoreApplication::processEvents();
        QBENCHMARK_ONCE {
            if (undoing)
                m_scene->undo();
            else
                m_scene->redo();
            QCoreApplication::processEvents();
        }
        m_pasteState = undoing ? PasteState::Undone : PasteState::Pasted;
    }
    int shown = 0;
    const auto items = m_scene->pageItems();
    for (QGraphicsItem* item : items)
        shown += item->isVisible() ? 1 : 0;
    // The clipboard holds every item but the 3D area.
    QCOMPARE(shown, m_pasteState == PasteState::Undone ? 0 : count - 1);
}

void BenchDesigner::dictionaryOpen_data()
{
    save_data();
}

void BenchDesigner::dictionaryOpen()
{
    QFETCH(int, count);
    CKorvexDictionary::SaveDictionary(m_dictionary->entries(count));
    int rows = 0;
    QBENCHMARK {
        CKorvexDictionaryTableWidget dialog(m_window.get());
        dialog.show();
        QCoreApplication::processEvents();
        dialog.repaint();
        rows = dialog.findChild<QTreeWidget*>()->topLevelItemCount();
    }
    QCOMPARE(rows, count);
}

void BenchDesigner::dictionaryImport_data()
{
    save_data();
}

void BenchDesigner::dictionaryImport()
{
    QFETCH(int, count);
    const QString file = m_dictionary->writeFile(m_dataFolder, count);
    CKorvexDictionary::SaveDictionary(m_dictionary->entries(1));
    CKorvexDictionaryTableWidget dialog(m_window.get());
    dialog.show();
    QCoreApplication::processEvents();
    auto* load = dialog.findChild<QPushButton*>(QStringLiteral("loadButton"));
    KorvexScriptedPrompt prompt;
    QBENCHMARK {
        prompt.answerFile(file);
        load->click();
        dialog.repaint();
    }
    QCOMPARE(dialog.findChild<QTreeWidget*>()->topLevelItemCount(), count);
    QCOMPARE(CKorvexDictionary::LoadDictionary().size(), count);
    QVERIFY(prompt.messages().isEmpty());
}

void BenchDesigner::dictionaryRefresh_data()
{
    save_data();
}

void BenchDesigner::dictionaryRefresh()
{
    QFETCH(int, count);
    if (m_boundCount != count) {
        CKorvexDictionary::SaveDictionary(m_dictionary->entries(KorvexBenchDictionary::boundEntryCount));
        m_scene->resetPage(false);
        m_shownCount = -1;
        m_pasteState = PasteState::None;
        const QList<CKorvexDesignerProperty> records = m_dictionary->boundRecords(count);
        for (const CKorvexDesignerProperty& record : records)
            QVERIFY(m_scene->addItemFromProperties(record));
        m_scene->finishTemplateRead();
        QCoreApplication::processEvents();
        m_boundCount = count;
    }
    auto* first = dynamic_cast<CKorvexDesignerText*>(m_scene->pageItems().first());
    QVERIFY(first);
    // Each run follows its own change, saved as the dictionary dialog saves it.
    const QString changed = QStringLiteral("Changed value %1").arg(++m_dictionaryChanges);
    CKorvexDictionary::SetDictionaryValue(first->dictionaryKey(), changed);
    QBENCHMARK_ONCE {
        m_scene->refreshItems();
        QCoreApplication::processEvents();
    }
    QCOMPARE(first->toPlainText(), changed);
}

KORVEX_TEST_MAIN(BenchDesigner)
#include "bench_designer.moc"
