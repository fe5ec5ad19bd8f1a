#include "KorvexTestMain.h"
#include "KorvexZipTestArchive.h"
#include "io/CKorvexFolderCopy.h"
#include "io/CKorvexPackageNames.h"

using KorvexZipTest::fileBytes;
using KorvexZipTest::treeOf;
using KorvexZipTest::writeBytes;

class TestPackageNames : public QObject
{
    Q_OBJECT

private slots:
    void clashingImagesAreNumbered_data();
    void clashingImagesAreNumbered();
    void imageUsedByThreeItemsIsPackedOnce();
    void clashingImageIsPackedUnderEachNewName();
    void htmlFoldersAreNumbered();
    void copyPutsImagesAndFoldersInPlace();
    void copyGoesOnAfterAFailure();
    void folderCopyIntoItselfEnds();
};

void TestPackageNames::clashingImagesAreNumbered_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("three logos") << QStringList{"/a/logo.png", "/b/logo.png", "/c/logo.png", "/a/logo.png"}
                                 << QStringList{"logo.png", "logo0.png", "logo1.png", "logo.png"};
    QTest::newRow("one counter for all names")
        << QStringList{"/a/photo.png", "/b/photo.png", "/a/x.tar.gz", "/b/x.tar.gz"}
        << QStringList{"photo.png", "photo0.png", "x.tar.gz", "x1.tar.gz"};
    QTest::newRow("made name taken") << QStringList{"/a/photo0.png", "/a/photo.png", "/b/photo.png"}
                                     << QStringList{"photo0.png", "photo.png", "photo1.png"};
    QTest::newRow("no dot") << QStringList{"/a/README", "/b/README"} << QStringList{"README", "README0"};
    QTest::newRow("backslashes") << QStringList{"C:\\img\\logo.png", "/b/logo.png"}
                                 << QStringList{"logo.png", "logo0.png"};
    QTest::newRow("no file name") << QStringList{"/a/", "", "/a/.."} << QStringList{"", "", ""};
}

void TestPackageNames::clashingImagesAreNumbered()
{
    QFETCH(QStringList, paths);
    QFETCH(QStringList, names);
    CKorvexPackageNames packageNames;
    QStringList made;
    for (const QString& path : paths)
        made.append(packageNames.imageName(path));
    QCOMPARE(made, names);
}

void TestPackageNames::imageUsedByThreeItemsIsPackedOnce()
{
    CKorvexPackageNames names;
    for (int item = 0; item < 3; ++item)
        QCOMPARE(names.imageName(QStringLiteral("/pics/logo.png")), QStringLiteral("logo.png"));
    QCOMPARE(names.imagePaths().size(), 1);
}

void TestPackageNames::clashingImageIsPackedUnderEachNewName()
{
    CKorvexPackageNames names;
    names.imageName(QStringLiteral("/a/logo.png"));
    QCOMPARE(names.imageName(QStringLiteral("/b/logo.png")), QStringLiteral("logo0.png"));
    QCOMPARE(names.imageName(QStringLiteral("/b/logo.png")), QStringLiteral("logo1.png"));
    QCOMPARE(names.imagePaths().keys(), (QStringList{"logo.png", "logo0.png", "logo1.png"}));
}

void TestPackageNames::htmlFoldersAreNumbered()
{
    CKorvexPackageNames names;
    QCOMPARE(names.htmlFolderName(QStringLiteral("/x/site")), QStringLiteral("site"));
    QCOMPARE(names.htmlFolderName(QStringLiteral("/y/site/")), QStringLiteral("site2"));
    QCOMPARE(names.htmlFolderName(QStringLiteral("C:\\z\\site")), QStringLiteral("site3"));
    QCOMPARE(names.htmlFolderName(QStringLiteral("/x/site")), QStringLiteral("site4"));
    QCOMPARE(names.htmlFolderName(QStringLiteral("/")), QStringLiteral("html"));
    QCOMPARE(names.htmlFolderName(QStringLiteral("/x/..")), QStringLiteral("html2"));
    QCOMPARE(names.htmlFolders().value(QStringLiteral("site4")), QStringLiteral("/x/site"));
}

void TestPackageNames::copyPutsImagesAndFoldersInPlace()
{
    QTemporaryDir dir;
    const QString root = dir.path();
    QVERIFY(writeBytes(root + "/a/logo.png", "A"));
    QVERIFY(writeBytes(root + "/b/logo.png", "B"));
    QVERIFY(writeBytes(root + "/src/site/index.html", "<html/>"));
    QVERIFY(writeBytes(root + "/src/site/.hidden", "h"));
    QVERIFY(writeBytes(root + "/src/site/css/deep/style.css", "css"));
    QVERIFY(writeBytes(root + "/work/site/index.html", "stale"));
    CKorvexPackageNames names;
    names.imageName(root + "/a/logo.png");
    names.imageName(root + "/b/logo.png");
    names.htmlFolderName(root + "/src/site");
    names.htmlFolderName(root + "/src/site");
    QVERIFY(names.copyInto(root + "/work"));
    QCOMPARE(treeOf(root + "/work"), (QStringList{"logo.png", "logo0.png", "site", "site/.hidden", "site/css",
                                                   "site/css/deep", "site/css/deep/style.css", "site/index.html",
                                                   "site2", "site2/.hidden", "site2/css", "site2/css/deep",
                                                   "site2/css/deep/style.css", "site2/index.html"}));
    QCOMPARE(fileBytes(root + "/work/logo0.png"), QByteArray("B"));
    QCOMPARE(fileBytes(root + "/work/site/index.html"), QByteArray("<html/>"));
}

void TestPackageNames::copyGoesOnAfterAFailure()
{
    QTemporaryDir dir;
    const QString root = dir.path();
    QVERIFY(writeBytes(root + "/b/there.png", "T"));
    QVERIFY(writeBytes(root + "/work/taken.png", "old"));
    QVERIFY(writeBytes(root + "/c/taken.png", "new"));
    CKorvexPackageNames names;
    names.imageName(root + "/a/missing.png");
    names.imageName(root + "/c/taken.png");
    names.imageName(root + "/b/there.png");
    names.htmlFolderName(root + "/no/such/site");
    QVERIFY(!names.copyInto(root + "/work"));
    QCOMPARE(fileBytes(root + "/work/there.png"), QByteArray("T"));
    QCOMPARE(fileBytes(root + "/work/taken.png"), QByteArray("old"));
}

void TestPackageNames::folderCopyIntoItselfEnds()
{
    QTemporaryDir dir;
    const QString root = dir.path();
    QVERIFY(writeBytes(root + "/site/page.html", "p"));
    QVERIFY(QFile::link(root + "/site", root + "/site/loop"));
    CKorvexFolderCopy::copyFolder(root + "/site", root + "/site/work/copy");
    QCOMPARE(treeOf(root + "/site/work/copy"), (QStringList{"page.html", "work"}));
    QVERIFY(!CKorvexFolderCopy::copyFolder(root + "/site", root + "/site"));
    QCOMPARE(fileBytes(root + "/site/page.html"), QByteArray("p"));
}

KORVEX_TEST_MAIN(TestPackageNames)
#include "tst_packagenames.moc"
