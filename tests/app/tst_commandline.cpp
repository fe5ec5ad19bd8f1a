#include "KorvexScriptedPrompt.h"
#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "app/CKorvexCommandLine.h"
#include "app/CKorvexStartup.h"
#include "app/DesignerMainWindow.h"
#include "scene/CKorvexDesignerScene.h"
#include "services/CKorvexProductInfo.h"

#include <QTemporaryDir>

using Start = CKorvexCommandLine::Start;
Q_DECLARE_METATYPE(CKorvexCommandLine::Start)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void evaluate_data();
    void evaluate();
    void apply_data();
    void apply();

private:
    QTemporaryDir m_folder;
    QString m_file;    // a template with one rectangle
    QString m_missing; // names nothing yet
};

void TestCommandLine::initTestCase()
{
    m_file = m_folder.filePath(QStringLiteral("page.ktf"));
    m_missing = m_folder.filePath(QStringLiteral("new.ktf"));
    CKorvexDesignerScene scene;
    QVERIFY(scene.createItem(QStringLiteral("rect"), QPointF(40, 60)));
    QVERIFY(scene.writeTemplate(m_file));
    QVERIFY(KorvexTestFiles::writePng(m_folder.filePath(QStringLiteral("preview.dat")), QSize(7, 5)));
    QVERIFY(KorvexTestFiles::writeFile(m_folder.filePath(QStringLiteral("bad.png")), "not a picture"));
}

void TestCommandLine::evaluate_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<QString>("preview"); // "-" when there is none
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<Start>("start");
    const QString f = m_file;
    const QString m = m_missing;
    using L = QStringList;
    QTest::newRow("switches in capitals") << L{"-ALWAYSONTOP", "-PARENTPATH", "x", "-ANNOT3DPREVIEWIMAGE", "a.png"}
                                          << true << "a.png" << L{} << Start::NewDocument;
    QTest::newRow("switch must match whole") << L{"-alwaysontopx"} << false << "-" << L{"-alwaysontopx"}
                                             << Start::NewDocumentAtPath;
    QTest::newRow("only first occurrence") << L{"-alwaysontop", "-AlwaysOnTop"} << true << "-" << L{"-AlwaysOnTop"}
                                           << Start::NewDocumentAtPath;
    QTest::newRow("parent path and value") << L{"-parentPath", "C:/x", m} << false << "-" << L{m}
                                           << Start::NewDocumentAtPath;
    QTest::newRow("preview last") << L{f, "-annot3DPreviewImage"} << false << "-" << L{f} << Start::OpenTemplate;
    QTest::newRow("value removed before switch") << L{"-parentPath", "-annot3DPreviewImage", "a.png"} << false << "-"
                                                 << L{"a.png"} << Start::NewDocumentAtPath;
    QTest::newRow("on top taken before parent path's value") << L{"-parentPath", "-alwaysontop", f} << true << "-"
                                                             << L{} << Start::NewDocument;
    QTest::newRow("all switches") << L{"-annot3DPreviewImage", "i.png", "-alwaysontop", f, "-parentPath", "x"} << true
                                  << "i.png" << L{f} << Start::OpenTemplate;
    QTest::newRow("directory") << L{m_folder.path()} << false << "-" << L{m_folder.path()}
                               << Start::NewDocumentAtPath;
    QTest::newRow("two paths, first wins") << L{m, f} << false << "-" << L{m, f} << Start::NewDocumentAtPath;
}

void TestCommandLine::evaluate()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, onTop);
    QFETCH(QString, preview);
    QFETCH(QStringList, remaining);
    QFETCH(Start, start);

    const QString program = QStringLiteral("designer");
    const auto commandLine = CKorvexCommandLine::evaluate(QStringList{program} + arguments);
    QCOMPARE(commandLine.alwaysOnTop(), onTop);
    QCOMPARE(commandLine.hasPreviewImage(), preview != "-");
    QCOMPARE(commandLine.previewImagePath(), preview == "-" ? QString() : preview);
    QCOMPARE(commandLine.remaining(), QStringList{program} + remaining);
    QCOMPARE(commandLine.start(), start);
    QCOMPARE(commandLine.templatePath(), remaining.value(0));
    // The program itself is never a switch, even when named like one; no program at all is no path.
    QVERIFY(!CKorvexCommandLine::evaluate({QStringLiteral("-alwaysontop")}).alwaysOnTop());
    QCOMPARE(CKorvexCommandLine::evaluate({}).start(), Start::NewDocument);
}

void TestCommandLine::apply_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program; "@" stands for the folder
    QTest::addColumn<bool>("asksPageSize");
    QTest::addColumn<QString>("document"); // current file; the title's end when empty is "New Document"
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("save");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<QSize>("preview");
    const QString f = m_file;
    const QString m = m_missing;
    using L = QStringList;
    QTest::newRow("nothing runs New") << L{} << true << "" << "" << "" << false << QSize();
    QTest::newRow("existing template opened") << L{f} << false << f << f << "" << false << QSize();
    QTest::newRow("new path remembered, then New") << L{m} << true << "" << m << m << false << QSize();
    QTest::newRow("on top keeps other flags") << L{"-AlwaysOnTop"} << true << "" << "" << "" << true << QSize();
    QTest::newRow("preview read by content") << L{"-annot3DPreviewImage", " @/preview.dat "} << true << "" << ""
                                             << "" << false << QSize(7, 5);
    QTest::newRow("unreadable preview") << L{"-annot3DPreviewImage", "@/bad.png"} << true << "" << "" << ""
                                        << false << QSize();
}

void TestCommandLine::apply()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, asksPageSize);
    QFETCH(QString, document);
    QFETCH(QString, open);
    QFETCH(QString, save);
    QFETCH(bool, onTop);
    QFETCH(QSize, preview);

    KorvexTestEnvironment::clearSettings();
    arguments.replaceInStrings(QStringLiteral("@"), m_folder.path());
    DesignerMainWindow window;
    window.readSettings();
    window.setWindowFlag(Qt::WindowContextHelpButtonHint);
    KorvexScriptedPrompt prompt;
    CKorvexStartup::applyCommandLine(window, CKorvexCommandLine::evaluate(QStringList{"designer"} + arguments));

    QVERIFY(window.isVisible());
    QCOMPARE(prompt.dialogs(), asksPageSize ? QStringList{"CKorvexPageSize"} : QStringList());
    QCOMPARE(window.currentFile(), document);
    QCOMPARE(window.windowTitle(), "Korvex Template Designer - " + (document.isEmpty() ? "New Document" : document));
    QCOMPARE(window.scene()->pageItems().size(), document.isEmpty() ? 0 : 1);
    QCOMPARE(window.openPath(), open);
    QCOMPARE(window.savePath(), save);
    QCOMPARE(CKorvexProductInfo::openSettings()->value("Designer/openpath").toString(), document);
    QCOMPARE(bool(window.windowFlags() & Qt::WindowStaysOnTopHint), onTop);
    QVERIFY(window.windowFlags() & Qt::WindowContextHelpButtonHint);
    const QImage picture = window.scene()->context().preview3DImage();
    QCOMPARE(picture.isNull() ? QSize() : picture.size(), preview);
}

KORVEX_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
