#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "KorvexZipTestArchive.h"
#include "io/CKorvexDeflatedFile.h"
#include "io/CKorvexFolderCopy.h"
#include "io/CKorvexPackage.h"
#include "io/CKorvexPackageNames.h"
#include "io/CKorvexWorkingFolder.h"
#include "io/CKorvexZipWriter.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace KorvexZipTest;
using KorvexTestFiles::writeFile;

class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void workingFolderIsNewAndNamedByUuid();
    void packsTheFolderTree();
    void failedPackKeepsTheOldFile();
    void packageNames_data();
    void packageNames();
    void copyGoesOnAfterAFailure();
    void folderCopyIntoItselfEnds();

private:
    QString path(const QString& relative) const { return m_dir.filePath(relative); }
    QTemporaryDir m_dir;
};

void TestPackage::workingFolderIsNewAndNamedByUuid()
{
    const QString first = CKorvexWorkingFolder::make();
    const QString second = CKorvexWorkingFolder::make();
    QVERIFY(!first.isEmpty() && first != second);
    const QRegularExpression uuid(
        QStringLiteral("^\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}$"));
    for (const QString& folder : {first, second}) {
        const QFileInfo info(folder);
        QCOMPARE(info.absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());
        QVERIFY2(uuid.match(info.fileName()).hasMatch(), qPrintable(info.fileName()));
        QVERIFY(info.isDir() && treeOf(folder).isEmpty());
        QDir(folder).removeRecursively();
    }
}

void TestPackage::packsTheFolderTree()
{
    const QString work = path(QStringLiteral("tree/work"));
    QByteArray large(5 * CKorvexZipWriter::blockSize + 123, Qt::Uninitialized);
    QRandomGenerator generator(7);
    for (char& byte : large)
        byte = char(generator.bounded(256));
    QMap<QString, QByteArray> files{{QString::fromUtf8("Größe.png"), "umlaut"}, {"_preview.png", large},
                                    {"page.ktf", "text"}, {"site/.hidden", "h"}, {"site/sub/deep.css", "css"}};
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        QVERIFY(writeFile(work + '/' + file.key(), file.value()));
    QVERIFY(writeFile(path(QStringLiteral("tree/outside/secret.txt")), "secret"));
    QVERIFY(QFile::link(path(QStringLiteral("tree/outside/secret.txt")), work + "/link.png"));
    QVERIFY(QFile::link(path(QStringLiteral("tree/outside")), work + "/linkedFolder"));
    const QString target = path(QStringLiteral("tree/page.ktf"));
    QVERIFY(writeFile(target, "old contents"));
    // Entries keep their files' times, to the two seconds an entry can hold.
    const QDateTime taken(QDate(2001, 2, 3), QTime(4, 5, 6));
    QFile dated(work + "/page.ktf");
    QVERIFY(dated.open(QIODevice::Append) && dated.setFileTime(taken, QFileDevice::FileModificationTime));
    dated.close();

    QVERIFY(CKorvexPackage::writePackage(work, target));
    for (const ReadEntry& entry : readArchive(target))
        QVERIFY2((entry.flag & (1u << 11)) && entry.method == Z_DEFLATED, qPrintable(entry.name));
    QCOMPARE(entriesOf(target), files);
    QCOMPARE(QDir(path(QStringLiteral("tree"))).entryList(QDir::Files | QDir::Hidden), QStringList{"page.ktf"});
    const QString extracted = CKorvexPackage::extractPackage(target);
    QStringList unpacked;
    QVERIFY(CKorvexPackage::listFiles(extracted, unpacked));
    QCOMPARE(unpacked, files.keys());
    for (const QString& file : unpacked)
        QCOMPARE(fileBytes(extracted + '/' + file), files.value(file));
    QCOMPARE(QFileInfo(extracted + "/page.ktf").lastModified(), taken);
    QDir(extracted).removeRecursively();

    // What was deflated before a file changed is not what gets packed.
    QStringList relative;
    QVERIFY(CKorvexPackage::listFiles(work, relative));
    QFuture<CKorvexDeflatedFile> early = CKorvexPackage::deflateFiles(work, relative);
    early.waitForFinished();
    files.insert(QStringLiteral("page.ktf"), "newer text");
    QVERIFY(writeFile(work + "/page.ktf", files.value(QStringLiteral("page.ktf"))));
    QVERIFY(CKorvexPackage::writePackage(work, target, early.results()));
    QCOMPARE(entriesOf(target), files);

    // An empty folder makes an archive that extracts to nothing.
    QVERIFY(QDir().mkpath(path(QStringLiteral("empty"))));
    QVERIFY(CKorvexPackage::writePackage(path(QStringLiteral("empty")), target));
    const QString none = CKorvexPackage::extractPackage(target);
    QVERIFY(!none.isEmpty() && treeOf(none).isEmpty());
    QDir(none).removeRecursively();
}

void TestPackage::failedPackKeepsTheOldFile()
{
    const QString root = path(QStringLiteral("failed"));
    const QString target = root + "/page.ktf";
    QVERIFY(writeFile(target, "old contents"));
    QVERIFY(writeFile(root + "/a.txt", "a"));
    QVERIFY(!CKorvexPackage::writePackage(root + "/no such folder", target));
    QVERIFY(!CKorvexPackage::writePackage(root, root + "/no/such/folder/page.ktf"));
    {
        CKorvexZipWriter writer(target);
        QVERIFY(writer.open());
        QVERIFY(writer.addFile("a.txt", root + "/a.txt"));
        QVERIFY(!writer.addFile("missing.txt", root + "/missing.txt"));
        QVERIFY(!writer.addFile("a2.txt", root + "/a.txt"));
        QVERIFY(!writer.commit());
    }
    {
        CKorvexZipWriter writer(target);
        QVERIFY(writer.open());
        QVERIFY(!writer.addFile(QString(CKorvexZipWriter::maxEntryNameBytes + 1, 'n'), root + "/a.txt"));
        QVERIFY(!writer.commit());
    }
    QCOMPARE(fileBytes(target), QByteArray("old contents"));
    QCOMPARE(treeOf(root), (QStringList{"a.txt", "page.ktf"}));

    CKorvexZipWriter longest(target);
    QVERIFY(longest.open());
    QVERIFY(longest.addFile(QString(CKorvexZipWriter::maxEntryNameBytes, 'n'), root + "/a.txt"));
    QVERIFY(longest.commit());
    QCOMPARE(readArchive(target).size(), 1);
}

void TestPackage::packageNames_data()
{
    QTest::addColumn<bool>("html");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("one counter for all names")
        << false << QStringList{"/a/photo.png", "/b/photo.png", "/a/x.tar.gz", "/b/x.tar.gz"}
        << QStringList{"photo.png", "photo0.png", "x.tar.gz", "x1.tar.gz"};
    QTest::newRow("made name taken") << false << QStringList{"/a/photo0.png", "/a/photo.png", "/b/photo.png"}
                                     << QStringList{"photo0.png", "photo.png", "photo1.png"};
    QTest::newRow("no dot") << false << QStringList{"/a/README", "/b/README"} << QStringList{"README", "README0"};
    QTest::newRow("backslashes") << false << QStringList{"C:\\img\\logo.png", "/b/logo.png"}
                                 << QStringList{"logo.png", "logo0.png"};
    QTest::newRow("no file name") << false << QStringList{"/a/", "", "/a/.."} << QStringList{"", "", ""};
    QTest::newRow("html folders") << true << QStringList{"/x/site", "/y/site/", "C:\\z\\site", "/x/site", "/", "/x/.."}
                                  << QStringList{"site", "site2", "site3", "site4", "html", "html2"};
}

void TestPackage::packageNames()
{
    QFETCH(bool, html);
    QFETCH(QStringList, paths);
    QFETCH(QStringList, names);
    CKorvexPackageNames packageNames;
    QStringList made;
    for (const QString& source : paths)
        made.append(html ? packageNames.htmlFolderName(source) : packageNames.imageName(source));
    QCOMPARE(made, names);
    // Every name given, and no other, is packed.
    names.removeAll(QString());
    names.sort();
    QCOMPARE(html ? packageNames.htmlFolders().keys() : packageNames.imagePaths().keys(), names);
}

void TestPackage::copyGoesOnAfterAFailure()
{
    const QString root = path(QStringLiteral("copy"));
    QVERIFY(writeFile(root + "/a/logo.png", "A"));
    QVERIFY(writeFile(root + "/src/site/index.html", "<html/>"));
    QVERIFY(writeFile(root + "/work/site/index.html", "stale"));
    CKorvexPackageNames names;
    // Copied in name order: the missing image and folder come first.
    names.imageName(root + "/no/a.png");
    names.imageName(root + "/a/logo.png");
    names.htmlFolderName(root + "/no/aaa");
    names.htmlFolderName(root + "/src/site");
    QVERIFY(!names.copyInto(root + "/work"));
    QCOMPARE(treeOf(root + "/work"), (QStringList{"logo.png", "site", "site/index.html"}));
    QCOMPARE(fileBytes(root + "/work/logo.png"), QByteArray("A"));
    QCOMPARE(fileBytes(root + "/work/site/index.html"), QByteArray("<html/>"));
}

void TestPackage::folderCopyIntoItselfEnds()
{
    const QString root = path(QStringLiteral("loop"));
    QVERIFY(writeFile(root + "/site/page.html", "p"));
    QVERIFY(QFile::link(root + "/site", root + "/site/loop"));
    CKorvexFolderCopy::copyFolder(root + "/site", root + "/site/work/copy");
    QCOMPARE(treeOf(root + "/site/work/copy"), (QStringList{"page.html", "work"}));
    QVERIFY(!CKorvexFolderCopy::copyFolder(root + "/site", root + "/site"));
    QCOMPARE(fileBytes(root + "/site/page.html"), QByteArray("p"));
}

KORVEX_TEST_MAIN(TestPackage)
#include "tst_package.moc"
