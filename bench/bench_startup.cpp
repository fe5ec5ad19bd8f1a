#include "KorvexTestMain.h"

#include <QProcess>

/// Start-up of the designer until its main window is shown on an empty page, against a bare
/// widgets program that shows a window with an empty graphics view.
class BenchStartup : public QObject
{
    Q_OBJECT

private slots:
    void startup_data();
    void startup();
    void startupFloor_data();
    void startupFloor();

private:
    static void measure(const QString& mode);
};

void BenchStartup::measure(const QString& mode)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/bench_window");
    QVERIFY(QFileInfo::exists(program));
    QBENCHMARK {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(program, mode.isEmpty() ? QStringList() : QStringList{mode});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
    }
}

void BenchStartup::startup_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("0") << 0;
}

void BenchStartup::startup()
{
    measure(QString());
}

void BenchStartup::startupFloor_data()
{
    startup_data();
}

void BenchStartup::startupFloor()
{
    measure(QStringLiteral("plain"));
}

KORVEX_TEST_MAIN(BenchStartup)
#include "bench_startup.moc"
