#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "services/CKorvexLanguageService.h"
#include "services/CKorvexProductInfo.h"

#include <QSettings>
#include <QTemporaryDir>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void languageOfFile_data();
    void languageOfFile();
    void discoveryGroupsInNameOrder();
    void switchInstallsOneTranslatorPerReadableFile();

private:
    /// A new folder holding these files, each the smallest file a translator accepts.
    QString makeFolder(const QStringList& names);
    QTemporaryDir m_root;
    int m_folders = 0;
};

void TestLanguage::init()
{
    KorvexTestEnvironment::clearSettings();
}

QString TestLanguage::makeFolder(const QStringList& names)
{
    const QString folder = m_root.filePath(QString::number(++m_folders));
    for (const QString& name : names)
        KorvexTestFiles::writeFile(folder + '/' + name, QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd"));
    return folder;
}

void TestLanguage::languageOfFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("language");
    QTest::newRow("plain") << "English_KorvexDesigner.qm" << "English";
    QTest::newRow("suffix in capitals") << "German_Designer.QM" << "German";
    QTest::newRow("first underscore") << "Arabic_Korvex_rtl.qm" << "Arabic";
    QTest::newRow("no underscore") << "French.qm" << "";
    QTest::newRow("wrong suffix") << "Spanish_x.ts" << "";
    QTest::newRow("suffix only part of name") << "Dutch_x.qmx" << "";
}

void TestLanguage::languageOfFile()
{
    QFETCH(QString, fileName);
    QFETCH(QString, language);
    QCOMPARE(CKorvexLanguageService::languageOfFile(fileName), language);
}

void TestLanguage::discoveryGroupsInNameOrder()
{
    const QString folder = makeFolder({"German_b.qm", "English_z.qm", "English_a.QM", "French.qm", "Spanish_x.ts",
                                       "Arabic_Designer_rtl.qm", "Hebrew_rtl_Designer.qm"});
    QDir(folder).mkdir(QStringLiteral("Italian_dir.qm"));
    CKorvexLanguageService service;
    service.setLanguagesDirectory(folder);
    QCOMPARE(service.languages(), (QStringList{"Arabic", "English", "German", "Hebrew"}));
    QCOMPARE(service.files(QStringLiteral("English")), QStringList({folder + "/English_a.QM", folder + "/English_z.qm"}));
    // "_rtl" must end the name.
    QVERIFY(service.isRightToLeft(QStringLiteral("Arabic")));
    QVERIFY(!service.isRightToLeft(QStringLiteral("Hebrew")));
    service.switchLanguage(QStringLiteral("Arabic"));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    service.switchLanguage(QStringLiteral("English"));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);

    // No folder means the one beside the program; a missing folder offers nothing and installs nothing.
    service.setLanguagesDirectory(QString());
    QCOMPARE(service.languagesDirectory(), QCoreApplication::applicationDirPath() + QStringLiteral("/languages"));
    service.setLanguagesDirectory(m_root.filePath(QStringLiteral("absent")));
    QVERIFY(service.languages().isEmpty());
    service.switchLanguage(QStringLiteral("German"));
    QCOMPARE(service.installedTranslatorCount(), 0);
}

void TestLanguage::switchInstallsOneTranslatorPerReadableFile()
{
    const QString folder = makeFolder({"English_a.qm", "English_b.qm", "German_a.qm"});
    KorvexTestFiles::writeFile(folder + QStringLiteral("/French_a.qm"), "not a translation");
    CKorvexLanguageService service;
    service.setLanguagesDirectory(folder);
    service.switchLanguage(QStringLiteral("English"));
    QCOMPARE(service.currentLanguage(), QStringLiteral("English"));
    QCOMPARE(service.installedTranslatorCount(), 2);
    service.switchLanguage(QString());
    QCOMPARE(service.currentLanguage(), QStringLiteral("English"));
    QCOMPARE(service.installedTranslatorCount(), 2);
    service.switchLanguage(QStringLiteral("German"));
    QCOMPARE(service.installedTranslatorCount(), 1);
    service.switchLanguage(QStringLiteral("French"));
    QCOMPARE(service.installedTranslatorCount(), 0);

    // The language chosen for the next run is English unless one is stored.
    QCOMPARE(CKorvexLanguageService::chosenLanguage(), QStringLiteral("English"));
    CKorvexLanguageService::setChosenLanguage(QString());
    QCOMPARE(CKorvexLanguageService::chosenLanguage(), QStringLiteral("English"));
    CKorvexLanguageService::setChosenLanguage(QStringLiteral("German"));
    QCOMPARE(CKorvexProductInfo::openSettings()->value(QStringLiteral("translation")).toString(), "German");
}

KORVEX_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
