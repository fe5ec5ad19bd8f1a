// Runs one fuzz target over every file of its corpus, so each test run replays the seeds and
// every input a fuzzer ever crashed on. Built once per target; KORVEX_FUZZ_CORPUS names the folder.

#include "KorvexTestMain.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

class TestCorpusReplay : public QObject
{
    Q_OBJECT

private slots:
    void corpusIsThere();
    void replay_data();
    void replay();
};

namespace {

QDir corpus()
{
    return QDir(QStringLiteral(KORVEX_FUZZ_CORPUS));
}

QStringList corpusFiles()
{
    return corpus().entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

void TestCorpusReplay::corpusIsThere()
{
    QVERIFY2(!corpusFiles().isEmpty(), qPrintable(corpus().path()));
}

void TestCorpusReplay::replay_data()
{
    QTest::addColumn<QString>("path");
    for (const QString& name : corpusFiles())
        QTest::newRow(qPrintable(name)) << corpus().filePath(name);
}

void TestCorpusReplay::replay()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();
    QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())),
             0);
}

KORVEX_TEST_MAIN(TestCorpusReplay)
#include "tst_corpusreplay.moc"
