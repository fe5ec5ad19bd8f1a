#include "KorvexScriptedPrompt.h"
#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "app/CKorvexRecovery.h"
#include "app/DesignerMainWindow.h"
#include "scene/CKorvexDesignerScene.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// A change to the page, as an edit makes it.
void change(DesignerMainWindow& window, double x)
{
    window.scene()->createItem(QStringLiteral("rect"), QPointF(x, 80));
    window.setDirty();
}

/// What the window shows after a start: the prompts, the title, the document paths and the records.
QString describe(DesignerMainWindow& window, const KorvexScriptedPrompt* prompt)
{
    QStringList lines;
    for (const CKorvexMessageRequest& m : prompt ? prompt->messages() : QList<CKorvexMessageRequest>())
        lines << m.title + '|' + m.text + '|' + m.buttons.join(',');
    lines << window.windowTitle() + '|' + window.currentFile() + '|' + window.savePath() + '|'
                 + (window.isModified() ? "modified" : "clean");
    const QList<CKorvexDesignerProperty> records = window.scene()->writtenRecords();
    for (const CKorvexDesignerProperty& record : records)
        lines << record.toItemBlock();
    return lines.join('\n');
}

/// The designer in a process of its own: "write" opens the template, changes the page, writes the
/// copy and waits to be killed; "recover" starts again and opens what is offered.
int runChild(int argc, char* argv[])
{
    Korvex::registerCoreArchivable();
    QApplication application(argc, argv);
    korvexInitResources();
    std::unique_ptr<KorvexScriptedPrompt> prompt;
    if (qstrcmp(argv[2], "recover") == 0) {
        prompt = std::make_unique<KorvexScriptedPrompt>();
        prompt->answerMessage(QStringLiteral("Open"));
    }
    DesignerMainWindow window;
    window.readSettings();
    if (argc > 3)
        window.openTemplateFile(QString::fromLocal8Bit(argv[3]));
    window.recovery().start();
    if (!prompt) {
        change(window, 150);
        window.recovery().onTimer();
    }
    QTextStream(stdout) << describe(window, prompt.get()) << "\nready" << Qt::endl;
    return prompt ? 0 : application.exec();
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        KorvexTestEnvironment::clearSettings();
        QVERIFY(KorvexTestFiles::writeFile(m_saved, "item begin\ntype:rect\nstart location:10 10\nitem end\n"));
    }

    void writtenForEachChangeAndRemovedWhenSavedOrClosed()
    {
        KorvexScriptedPrompt prompt;
        DesignerMainWindow window;
        window.openTemplateFile(m_saved);
        const QByteArray saved = bytesOf(m_saved);
        CKorvexRecovery& recovery = window.recovery();
        recovery.start();
        const QString copy = recovery.packagePath();
        recovery.onTimer();
        QVERIFY(!QFile::exists(copy));
        change(window, 100);
        recovery.onTimer();
        QVERIFY(QFile::exists(copy));
        QCOMPARE(describe(window, nullptr).section('\n', 0, 0), "Korvex Template Designer - " + m_saved + '|' + m_saved
                                                                    + "||modified");
        QCOMPARE(bytesOf(m_saved), saved);
        // Nothing new, nothing written; the next change is.
        QFile::remove(copy);
        recovery.onTimer();
        QVERIFY(!QFile::exists(copy));
        change(window, 200);
        recovery.onTimer();
        QVERIFY(QFile::exists(copy));
        window.onSave();
        QVERIFY(!QFile::exists(copy));
        change(window, 300);
        recovery.onTimer();
        QVERIFY(QFile::exists(copy));
        prompt.answerMessage(QStringLiteral("Discard"));
        QVERIFY(window.close());
        QVERIFY(!QFile::exists(copy));
    }

    void leftCopyOfferedAtTheNextStart_data()
    {
        QTest::addColumn<QString>("answer"); // to the offer; none when the copy is damaged
        QTest::addColumn<QString>("message");
        QTest::newRow("declined") << "Discard"
                                  << "Korvex Template Designer|The designer did not close properly last time.\n"
                                     "Do you want to open the page it recovered?|Open,Discard";
        QTest::newRow("damaged") << "" << "Korvex Template Designer|The page recovered after the last run cannot be "
                                          "read. It was kept as @.|Ok";
    }

    void leftCopyOfferedAtTheNextStart()
    {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        auto window = std::make_unique<DesignerMainWindow>();
        window->recovery().start();
        const QString copy = window->recovery().packagePath();
        change(*window, 100);
        window->recovery().onTimer();
        window.reset(); // gone without closing, as in a crash
        if (answer.isEmpty())
            QVERIFY(KorvexTestFiles::writeFile(copy, "PK\x03\x04 damaged"));
        const QRegularExpression aside(QStringLiteral("/\\S+recovery-unreadable-[0-9-]+\\.ktf"));
        for (int start = 0; start < 2; ++start) {
            KorvexScriptedPrompt prompt;
            prompt.answerMessage(answer);
            DesignerMainWindow next;
            next.recovery().start();
            QCOMPARE(describe(next, &prompt).replace(aside, "@").section("\nitem begin", 0, 0),
                     QString(start ? "" : message + '\n') + "Korvex Template Designer - New Template|||clean");
            QVERIFY(!QFile::exists(copy));
        }
        const QStringList left = QDir(QFileInfo(copy).path()).entryList({"recovery*"});
        QCOMPARE(left.join(' ').remove(QRegularExpression("[0-9-]+(?=\\.ktf)")),
                 answer.isEmpty() ? "recovery-unreadable.ktf" : "");
    }

    void offeredAfterTheDesignerIsKilled()
    {
        QTemporaryDir root;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
            QVERIFY(QDir().mkpath(root.filePath(name)));
            environment.insert(name, root.filePath(name));
        }
        QFile::setPermissions(root.filePath("XDG_RUNTIME_DIR"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess first;
        first.setProcessEnvironment(environment);
        first.start(QCoreApplication::applicationFilePath(), {"--child", "write", m_saved});
        QByteArray output;
        while (!output.endsWith("ready\n") && first.waitForReadyRead(60000))
            output += first.readAllStandardOutput();
        first.kill();
        QVERIFY(first.waitForFinished() && first.exitStatus() == QProcess::CrashExit);

        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(QCoreApplication::applicationFilePath(), {"--child", "recover"});
        QVERIFY(second.waitForFinished(60000));
        const QStringList written = QString::fromUtf8(output).split('\n');
        const QStringList recovered = QString::fromUtf8(second.readAllStandardOutput()).split('\n');
        QCOMPARE(recovered.mid(0, 3), QStringList({"Korvex Template Designer|The designer did not close properly last "
                                                   "time.", "Do you want to open the page it recovered?|Open,Discard",
                                                   "Korvex Template Designer - New Document||" + m_saved + "|modified"}));
        QCOMPARE(recovered.mid(3), written.mid(1));
        QVERIFY(written.size() > 10);
    }

private:
    QTemporaryDir m_folder;
    QString m_saved = m_folder.filePath(QStringLiteral("user.ktf"));
};

int main(int argc, char* argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    KorvexTestEnvironment korvexEnvironment;
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    korvexInitResources();
    Korvex::registerCoreArchivable();
    TestRecovery testObject;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&testObject, argc, argv);
}

#include "tst_recovery.moc"
