#include "KorvexTestMain.h"
#include "KorvexZipTestArchive.h"
#include "io/CKorvexPackage.h"
#include "io/CKorvexWorkingFolder.h"
#include "io/CKorvexZipWriter.h"

#include <QRandomGenerator>
#include <QRegularExpression>

using namespace KorvexZipTest;

class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void workingFolderIsNewAndNamedByUuid();
    void entriesAreDeflatedWithUtf8Names();
    void packageRoundTrip();
    void largeFileIsStreamed();
    void emptyFolderMakesEmptyPackage();
    void successReplacesTheOldFile();
    void failedPackKeepsTheOldFile();
    void overlongEntryNameIsRefused();
    void fileThatIsNoArchiveIsNotExtracted_data();
    void fileThatIsNoArchiveIsNotExtracted();

private:
    QString makeWorkingTree(const QString& root);
};

QString TestPackage::makeWorkingTree(const QString& root)
{
    const QString work = root + QStringLiteral("/work");
    writeBytes(work + "/page.ktf", "Template file versoin 1.0\n");
    writeBytes(work + "/_preview.png", QByteArray(300, 'p'));
    writeBytes(work + QString::fromUtf8("/Größe.png"), "umlaut");
    writeBytes(work + "/site/index.html", "<html/>");
    writeBytes(work + "/site/.hidden", "h");
    writeBytes(work + "/site/sub/deep.css", "css");
    writeBytes(root + "/outside/secret.txt", "secret");
    QFile::link(root + "/outside/secret.txt", work + "/link.png");
    QFile::link(root + "/outside", work + "/linkedFolder");
    return work;
}

void TestPackage::workingFolderIsNewAndNamedByUuid()
{
    const QString first = CKorvexWorkingFolder::make();
    const QString second = CKorvexWorkingFolder::make();
    QVERIFY(!first.isEmpty());
    QVERIFY(first != second);
    for (const QString& folder : {first, second}) {
        const QFileInfo info(folder);
        QVERIFY(info.isDir());
        QCOMPARE(info.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        const QRegularExpression uuid(QStringLiteral("^\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}$"));
        QVERIFY2(uuid.match(info.fileName()).hasMatch(), qPrintable(info.fileName()));
        QVERIFY(QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        QDir(folder).removeRecursively();
    }
}

void TestPackage::entriesAreDeflatedWithUtf8Names()
{
    QTemporaryDir dir;
    const QString work = makeWorkingTree(dir.path());
    const QString target = dir.path() + "/page.ktf";
    QVERIFY(CKorvexPackage::writePackage(work, target));
    const QList<ReadEntry> entries = readArchive(target);
    QStringList names;
    for (const ReadEntry& entry : entries) {
        names.append(QString::fromUtf8(entry.name));
        QVERIFY(entry.flag & (1 << 11));
        QCOMPARE(entry.method, uLong(8));
        QCOMPARE(entry.data, fileBytes(work + '/' + QString::fromUtf8(entry.name)));
    }
    QCOMPARE(names, (QStringList{QString::fromUtf8("Größe.png"), "_preview.png", "page.ktf", "site/.hidden",
                                 "site/index.html", "site/sub/deep.css"}));
}

void TestPackage::packageRoundTrip()
{
    QTemporaryDir dir;
    const QString work = makeWorkingTree(dir.path());
    const QString target = dir.path() + "/page.ktf";
    QVERIFY(CKorvexPackage::writePackage(work, target));
    const QString extracted = CKorvexPackage::extractPackage(target);
    QVERIFY(!extracted.isEmpty());
    QStringList packed;
    QStringList unpacked;
    QVERIFY(CKorvexPackage::listFiles(work, packed));
    QVERIFY(CKorvexPackage::listFiles(extracted, unpacked));
    QCOMPARE(unpacked, packed);
    for (const QString& file : packed)
        QCOMPARE(fileBytes(extracted + '/' + file), fileBytes(work + '/' + file));
    QDir(extracted).removeRecursively();
}

void TestPackage::largeFileIsStreamed()
{
    QTemporaryDir dir;
    QByteArray data(5 * CKorvexZipWriter::blockSize + 123, Qt::Uninitialized);
    QRandomGenerator generator(7);
    for (char& byte : data)
        byte = char(generator.bounded(256));
    QVERIFY(writeBytes(dir.path() + "/work/big.bin", data));
    QVERIFY(CKorvexPackage::writePackage(dir.path() + "/work", dir.path() + "/big.ktf"));
    const QList<ReadEntry> entries = readArchive(dir.path() + "/big.ktf");
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().data, data);
}

void TestPackage::emptyFolderMakesEmptyPackage()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("work"));
    QVERIFY(CKorvexPackage::writePackage(dir.path() + "/work", dir.path() + "/empty.ktf"));
    const QString extracted = CKorvexPackage::extractPackage(dir.path() + "/empty.ktf");
    QVERIFY(!extracted.isEmpty());
    QVERIFY(treeOf(extracted).isEmpty());
    QDir(extracted).removeRecursively();
}

void TestPackage::successReplacesTheOldFile()
{
    QTemporaryDir dir;
    const QString work = makeWorkingTree(dir.path());
    const QString target = dir.path() + "/page.ktf";
    QVERIFY(writeBytes(target, "old contents"));
    QVERIFY(CKorvexPackage::writePackage(work, target));
    QCOMPARE(readArchive(target).size(), 6);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"page.ktf"});
}

void TestPackage::failedPackKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString target = dir.path() + "/page.ktf";
    QVERIFY(writeBytes(target, "old contents"));
    QVERIFY(!CKorvexPackage::writePackage(dir.path() + "/no such folder", target));
    {
        CKorvexZipWriter writer(target);
        QVERIFY(writer.open());
        QVERIFY(writeBytes(dir.path() + "/a.txt", "a"));
        QVERIFY(writer.addFile("a.txt", dir.path() + "/a.txt"));
        QVERIFY(!writer.addFile("missing.txt", dir.path() + "/missing.txt"));
        QVERIFY(!writer.addFile("a2.txt", dir.path() + "/a.txt"));
        QVERIFY(!writer.commit());
    }
    QVERIFY(!CKorvexPackage::writePackage(dir.path(), dir.path() + "/no/such/folder/page.ktf"));
    QCOMPARE(fileBytes(target), QByteArray("old contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"a.txt", "page.ktf"}));
}

void TestPackage::overlongEntryNameIsRefused()
{
    QTemporaryDir dir;
    const QString target = dir.path() + "/page.ktf";
    QVERIFY(writeBytes(dir.path() + "/a.txt", "a"));
    CKorvexZipWriter writer(target);
    QVERIFY(writer.open());
    QVERIFY(!writer.addFile(QString(CKorvexZipWriter::maxEntryNameBytes + 1, 'n'), dir.path() + "/a.txt"));
    QVERIFY(!writer.commit());
    QVERIFY(!QFile::exists(target));

    CKorvexZipWriter longest(target);
    QVERIFY(longest.open());
    QVERIFY(longest.addFile(QString(CKorvexZipWriter::maxEntryNameBytes, 'n'), dir.path() + "/a.txt"));
    QVERIFY(longest.commit());
    QCOMPARE(readArchive(target).size(), 1);
}

void TestPackage::fileThatIsNoArchiveIsNotExtracted_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("template text") << QByteArray("Template file versoin 1.0\nkvx file version 11005\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("zip signature only") << QByteArray("PK\x05\x06", 4);
}

void TestPackage::fileThatIsNoArchiveIsNotExtracted()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.path() + "/page.ktf", bytes));
    QCOMPARE(CKorvexPackage::extractPackage(dir.path() + "/page.ktf"), QString());
    QCOMPARE(CKorvexPackage::extractPackage(dir.path() + "/missing.ktf"), QString());
}

KORVEX_TEST_MAIN(TestPackage)
#include "tst_package.moc"
