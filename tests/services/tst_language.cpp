#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "services/CKorvexLanguageService.h"
#include "services/CKorvexProductInfo.h"

#include <QSettings>
#include <QTemporaryDir>

namespace {

// The smallest file a translator accepts: the message file signature and nothing else.
const QByteArray emptyTranslation = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void languageOfFile_data();
    void languageOfFile();
    void discoveryGroupsInNameOrder();
    void missingDirectoryFindsNothing();
    void chosenLanguageDefaultsToEnglish();
    void switchInstallsOneTranslatorPerReadableFile();

private:
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
    QDir().mkpath(folder);
    for (const QString& name : names)
        writeFile(folder + QLatin1Char('/') + name, emptyTranslation);
    return folder;
}

void TestLanguage::languageOfFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("language");
    QTest::newRow("plain") << "English_KorvexDesigner.qm" << "English";
    QTest::newRow("suffix in capitals") << "German_Designer.QM" << "German";
    QTest::newRow("first underscore") << "Arabic_Korvex_rtl.qm" << "Arabic";
    QTest::newRow("dots before underscore") << "pt.br_x.qm" << "pt.br";
    QTest::newRow("no underscore") << "French.qm" << "";
    QTest::newRow("wrong suffix") << "Spanish_x.ts" << "";
    QTest::newRow("no suffix") << "Spanish_x" << "";
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
    const QString folder = makeFolder({QStringLiteral("German_b.qm"), QStringLiteral("English_z.qm"),
                                       QStringLiteral("English_a.QM"), QStringLiteral("French.qm"),
                                       QStringLiteral("Spanish_x.ts"), QStringLiteral("Arabic_Designer_rtl.qm"),
                                       QStringLiteral("Hebrew_rtl_Designer.qm")});
    QDir(folder).mkdir(QStringLiteral("Italian_dir.qm"));
    CKorvexLanguageService service;
    service.setLanguagesDirectory(folder);
    QCOMPARE(service.languagesDirectory(), folder);
    QCOMPARE(service.languages(), (QStringList{"Arabic", "English", "German", "Hebrew"}));
    QCOMPARE(service.files(QStringLiteral("English")),
             QStringList({folder + QStringLiteral("/English_a.QM"), folder + QStringLiteral("/English_z.qm")}));
    QCOMPARE(service.files(QStringLiteral("German")).size(), 1);
    QVERIFY(service.files(QStringLiteral("Italian")).isEmpty());
    // "_rtl" must end the name.
    QVERIFY(service.isRightToLeft(QStringLiteral("Arabic")));
    QVERIFY(!service.isRightToLeft(QStringLiteral("English")));
    QVERIFY(!service.isRightToLeft(QStringLiteral("Hebrew")));
    service.switchLanguage(QStringLiteral("Arabic"));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    service.switchLanguage(QStringLiteral("English"));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

void TestLanguage::missingDirectoryFindsNothing()
{
    CKorvexLanguageService service;
    service.setLanguagesDirectory(QString());
    QCOMPARE(service.languagesDirectory(), QCoreApplication::applicationDirPath() + QStringLiteral("/languages"));
    service.setLanguagesDirectory(m_root.filePath(QStringLiteral("absent")));
    QVERIFY(service.languages().isEmpty());
    service.switchLanguage(QStringLiteral("English"));
    QCOMPARE(service.installedTranslatorCount(), 0);
}

void TestLanguage::chosenLanguageDefaultsToEnglish()
{
    QCOMPARE(CKorvexLanguageService::chosenLanguage(), QStringLiteral("English"));
    CKorvexLanguageService::setChosenLanguage(QString());
    QCOMPARE(CKorvexLanguageService::chosenLanguage(), QStringLiteral("English"));
    CKorvexLanguageService::setChosenLanguage(QStringLiteral("German"));
    QCOMPARE(CKorvexLanguageService::chosenLanguage(), QStringLiteral("German"));
    QCOMPARE(CKorvexProductInfo::openSettings()->value(QStringLiteral("translation")).toString(),
             QStringLiteral("German"));
}

void TestLanguage::switchInstallsOneTranslatorPerReadableFile()
{
    const QString folder = makeFolder({QStringLiteral("English_a.qm"), QStringLiteral("English_b.qm"),
                                       QStringLiteral("German_a.qm")});
    writeFile(folder + QStringLiteral("/French_a.qm"), QByteArray("not a translation"));
    CKorvexLanguageService service;
    service.setLanguagesDirectory(folder);
    QCOMPARE(service.currentLanguage(), QString());
    service.switchLanguage(QStringLiteral("English"));
    QCOMPARE(service.currentLanguage(), QStringLiteral("English"));
    QCOMPARE(service.installedTranslatorCount(), 2);
    service.switchLanguage(QString());
    QCOMPARE(service.currentLanguage(), QStringLiteral("English"));
    QCOMPARE(service.installedTranslatorCount(), 2);
    service.switchLanguage(QStringLiteral("German"));
    QCOMPARE(service.installedTranslatorCount(), 1);
    service.switchLanguage(QStringLiteral("French"));
    QCOMPARE(service.currentLanguage(), QStringLiteral("French"));
    QCOMPARE(service.installedTranslatorCount(), 0);
}

KORVEX_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
