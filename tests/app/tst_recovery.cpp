#include "KorvexScriptedPrompt.h"
#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "app/CKorvexRecovery.h"
#include "app/DesignerMainWindow.h"
#include "scene/CKorvexDesignerScene.h"

#include <QProcess>

namespace {

/// "write TEMPLATE" opens the template, changes the page and waits to be killed; "recover" takes the offer, saves,
/// changes the page and exits. Both print whether the copy exists after each step, the offers and the page.
int runChild(int argc, char* argv[])
{
    Korvex::registerCoreArchivable();
    QApplication application(argc, argv);
    korvexInitResources();
    KorvexScriptedPrompt prompt;
    prompt.answerMessage(QStringLiteral("Open"));
    DesignerMainWindow window;
    const bool writing = argc > 3;
    if (writing)
        window.openTemplateFile(QString::fromLocal8Bit(argv[3]));
    window.recovery().start();
    QTextStream out(stdout);
    const auto step = [&](bool changed) {
        if (changed && window.scene()->createItem(QStringLiteral("rect"), QPointF(150, 80)))
            window.setDirty();
        window.recovery().onTimer();
        out << QFile::exists(window.recovery().packagePath());
    };
    step(false);
    step(writing);
    out << ' ' << prompt.messages().size() << '\n' << window.windowTitle() << '|' << window.currentFile() << '|'
        << window.savePath() << '|' << window.isModified() << '\n';
    for (const CKorvexDesignerProperty& record : window.scene()->writtenRecords())
        out << record.toItemBlock() << '\n';
    out << "ready" << Qt::endl;
    if (writing)
        return application.exec();
    prompt.answerFile(window.savePath() + QStringLiteral(".copy"));
    window.onSave();
    step(false);
    step(true);
    prompt.answerMessage(QStringLiteral("Discard"));
    window.close();
    out << QFile::exists(window.recovery().packagePath()) << Qt::endl;
    return 0;
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void offeredAfterTheDesignerIsKilled()
    {
        QTemporaryDir root; // the designers' own home and settings folders
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
            QDir().mkpath(root.filePath(name));
            QFile::setPermissions(root.filePath(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv(name, root.filePath(name).toLocal8Bit());
        }
        const QString saved = root.filePath(QStringLiteral("user.ktf"));
        QVERIFY(KorvexTestFiles::writeFile(saved, "item begin\ntype:rect\nitem end\n"));
        QProcess writer, recoverer;
        writer.start(QCoreApplication::applicationFilePath(), {"--child", "write", saved});
        QString before;
        while (!before.endsWith("ready\n") && writer.waitForReadyRead(60000))
            before += writer.readAllStandardOutput();
        writer.kill();
        QVERIFY(writer.waitForFinished() && before.count("type:rect") == 2);
        recoverer.start(QCoreApplication::applicationFilePath(), {"--child", "recover"});
        QVERIFY(recoverer.waitForFinished(60000));
        const QString after = recoverer.readAllStandardOutput();
        // No copy before the change, one after it, the user's file as it was.
        QCOMPARE(before.section('\n', 0, 1), "01 0\nKorvex Template Designer - " + saved + '|' + saved + "||1");
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "item begin\ntype:rect\nitem end\n");
        // One offer: the page comes back as unsaved work whose Save As proposes the original file.
        QCOMPARE(after.section('\n', 0, 1), "11 1\nKorvex Template Designer - New Document||" + saved + "|1");
        QCOMPARE(after.section('\n', 2, -3), before.section('\n', 2, -2));
        // Saving removes the copy, a change writes it again, a clean exit removes it.
        QCOMPARE(after.section('\n', -2), "010\n");
    }
};

int main(int argc, char* argv[])
{
    if (argc > 2 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    KorvexTestEnvironment korvexEnvironment;
    QApplication application(argc, argv);
    korvexInitResources();
    Korvex::registerCoreArchivable();
    TestRecovery testObject;
    return QTest::qExec(&testObject, argc, argv);
}

#include "tst_recovery.moc"
