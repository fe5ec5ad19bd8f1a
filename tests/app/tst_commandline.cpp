#include "KorvexTestMain.h"
#include "app/CKorvexCommandLine.h"

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

private:
    QTemporaryDir m_folder;
    QString m_file;
    QString m_missing;
};

void TestCommandLine::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_file = m_folder.filePath(QStringLiteral("page.ktf"));
    QFile file(m_file);
    QVERIFY(file.open(QIODevice::WriteOnly));
    m_missing = m_folder.filePath(QStringLiteral("new.ktf"));
}

void TestCommandLine::evaluate_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<bool>("hasPreview");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<Start>("start");
    QTest::addColumn<QString>("path");

    const QString p = QStringLiteral("designer");
    const QString dir = m_folder.path();
    QTest::newRow("nothing") << QStringList{p} << false << false << "" << QStringList{p} << Start::NewDocument << "";
    QTest::newRow("on top") << QStringList{p, "-alwaysontop"} << true << false << "" << QStringList{p}
                            << Start::NewDocument << "";
    QTest::newRow("on top in capitals") << QStringList{p, "-ALWAYSONTOP"} << true << false << "" << QStringList{p}
                                        << Start::NewDocument << "";
    QTest::newRow("switch must match whole") << QStringList{p, "-alwaysontopx"} << false << false << ""
                                             << QStringList{p, "-alwaysontopx"} << Start::NewDocumentAtPath
                                             << "-alwaysontopx";
    QTest::newRow("only first occurrence") << QStringList{p, "-alwaysontop", "-AlwaysOnTop"} << true << false << ""
                                           << QStringList{p, "-AlwaysOnTop"} << Start::NewDocumentAtPath
                                           << "-AlwaysOnTop";
    QTest::newRow("parent path and value") << QStringList{p, "-parentPath", "C:/x", m_missing} << false << false
                                           << "" << QStringList{p, m_missing} << Start::NewDocumentAtPath << m_missing;
    QTest::newRow("parent path in capitals") << QStringList{p, "-PARENTPATH", "C:/x"} << false << false << ""
                                             << QStringList{p} << Start::NewDocument << "";
    QTest::newRow("parent path last") << QStringList{p, "-parentPath"} << false << false << "" << QStringList{p}
                                      << Start::NewDocument << "";
    QTest::newRow("preview trimmed, then path")
        << QStringList{p, "-annot3DPreviewImage", "  /tmp/preview.png \t", m_file} << false << true
        << "/tmp/preview.png" << QStringList{p, m_file} << Start::OpenTemplate << m_file;
    QTest::newRow("preview in capitals") << QStringList{p, "-ANNOT3DPREVIEWIMAGE", "a.png"} << false << true
                                         << "a.png" << QStringList{p} << Start::NewDocument << "";
    QTest::newRow("preview last") << QStringList{p, m_file, "-annot3DPreviewImage"} << false << false << ""
                                  << QStringList{p, m_file} << Start::OpenTemplate << m_file;
    QTest::newRow("value removed before switch")
        << QStringList{p, "-parentPath", "-annot3DPreviewImage", "a.png"} << false << false << ""
        << QStringList{p, "a.png"} << Start::NewDocumentAtPath << "a.png";
    QTest::newRow("on top taken before parent path's value")
        << QStringList{p, "-parentPath", "-alwaysontop", m_file} << true << false << "" << QStringList{p}
        << Start::NewDocument << "";
    QTest::newRow("all switches") << QStringList{p, "-annot3DPreviewImage", "i.png", "-alwaysontop", m_file,
                                                 "-parentPath", "x"}
                                  << true << true << "i.png" << QStringList{p, m_file} << Start::OpenTemplate
                                  << m_file;
    QTest::newRow("existing file") << QStringList{p, m_file} << false << false << "" << QStringList{p, m_file}
                                   << Start::OpenTemplate << m_file;
    QTest::newRow("missing file") << QStringList{p, m_missing} << false << false << ""
                                  << QStringList{p, m_missing} << Start::NewDocumentAtPath << m_missing;
    QTest::newRow("directory") << QStringList{p, dir} << false << false << "" << QStringList{p, dir}
                               << Start::NewDocumentAtPath << dir;
    QTest::newRow("two paths, first wins") << QStringList{p, m_missing, m_file} << false << false << ""
                                           << QStringList{p, m_missing, m_file} << Start::NewDocumentAtPath
                                           << m_missing;
    QTest::newRow("empty list") << QStringList{} << false << false << "" << QStringList{} << Start::NewDocument
                                << "";
}

void TestCommandLine::evaluate()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, onTop);
    QFETCH(bool, hasPreview);
    QFETCH(QString, preview);
    QFETCH(QStringList, remaining);
    QFETCH(Start, start);
    QFETCH(QString, path);

    const CKorvexCommandLine commandLine = CKorvexCommandLine::evaluate(arguments);
    QCOMPARE(commandLine.alwaysOnTop(), onTop);
    QCOMPARE(commandLine.hasPreviewImage(), hasPreview);
    QCOMPARE(commandLine.previewImagePath(), preview);
    QCOMPARE(commandLine.remaining(), remaining);
    QCOMPARE(commandLine.start(), start);
    QCOMPARE(commandLine.templatePath(), path);
}

KORVEX_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
