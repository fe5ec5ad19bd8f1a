#include "KorvexTestMain.h"
#include "KorvexToolFixtures.h"

using namespace KorvexToolFixtures;

namespace {

const QColor pageRed(200, 30, 30);
const QColor rectBlue(0, 0, 255);

int darkPixels(const QImage& picture, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += picture.pixelColor(x, y).value() < 100 ? 1 : 0;
    }
    return count;
}

} // namespace

class TestTemplateRender : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        clearToolSettings();
        m_folder = std::make_unique<Folder>();
        m_page = m_folder->text(QStringLiteral("page.ktf"), {screenBlock(), rectBlock()});
    }

    void pictureIsThePageTimesTheScale_data()
    {
        QTest::addColumn<QStringList>("scaleArguments");
        QTest::addColumn<double>("scale");
        QTest::newRow("as shown") << QStringList{} << 1.0;
        QTest::newRow("double") << QStringList{"--scale", "2"} << 2.0;
        QTest::newRow("half, written joined") << QStringList{"--scale=0.5"} << 0.5;
    }

    void pictureIsThePageTimesTheScale()
    {
        QFETCH(QStringList, scaleArguments);
        QFETCH(double, scale);
        // The grid is never drawn, whatever the designer last showed, and its setting stays.
        toolSettings()->setValue(QStringLiteral("Designer/isGridShown"), true);
        const QString target = m_folder->path(QStringLiteral("page.png"));
        const Run run = runTool(QStringList{"render", m_page, target} + scaleArguments);
        QCOMPARE(run.status, 0);
        QVERIFY(run.errorLines().isEmpty());
        const QImage picture(target);
        QCOMPARE(picture.size(), QSize(qRound(400 * scale), qRound(300 * scale)));
        const auto at = [&](double x, double y) { return picture.pixelColor(qRound(x * scale), qRound(y * scale)); };
        int notRed = 0;
        for (int y = 0; y < qRound(90 * scale); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                notRed += picture.pixelColor(x, y) != pageRed ? 1 : 0;
        }
        QCOMPARE(notRed, 0);
        QCOMPARE(at(390, 290), pageRed);
        QCOMPARE(at(125, 120), rectBlue);
        QCOMPARE(at(170, 120), pageRed);
        QCOMPARE(toolSettings()->value(QStringLiteral("Designer/isGridShown")).toBool(), true);
    }

    void pdfIsOnePageOfThePageTimesTheScale_data()
    {
        QTest::addColumn<QStringList>("scaleArguments");
        QTest::addColumn<QSizeF>("points");
        QTest::newRow("as shown") << QStringList{} << QSizeF(400, 300);
        QTest::newRow("double") << QStringList{"--scale", "2"} << QSizeF(800, 600);
    }

    void pdfIsOnePageOfThePageTimesTheScale()
    {
        QFETCH(QStringList, scaleArguments);
        QFETCH(QSizeF, points);
        const QString target = m_folder->path(QStringLiteral("page.PDF"));
        QCOMPARE(runTool(QStringList{"render", m_page, target} + scaleArguments).status, 0);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 1);
        const int box = pdf.indexOf("/MediaBox [") + 11;
        const QList<QByteArray> numbers = pdf.mid(box, pdf.indexOf(']', box) - box).simplified().split(' ');
        QCOMPARE(numbers.size(), 4);
        QCOMPARE(QSizeF(numbers.at(2).toDouble(), numbers.at(3).toDouble()), points);
    }

    void dictionaryFileSuppliesPicturesAndTextsForOneRun()
    {
        const QString green = m_folder->path(QStringLiteral("green.png"));
        const QString dictionary = m_folder->path(QStringLiteral("names.df"));
        QVERIFY(KorvexTestFiles::writePng(green, QSize(30, 30), Qt::green));
        QVERIFY(KorvexTestFiles::writeFile(dictionary, "Customer\nMMMMMMMMMMMM\nLogo\n" + green.toUtf8() + "\n"));
        const QString source = m_folder->text(
            QStringLiteral("source.ktf"),
            {screenBlock(), rectBlock(), imageBlock(QStringLiteral("image source type:dictionary\ndictionary key:Logo")),
             block(QStringLiteral("type:label\nstart location:20 200\nzvalue:3\nwidth:300\nheight:60\nfill color:255 255 "
                                  "255 255\ntext source type:dictionary\ndictionary key:Customer"))});
        const QString with = m_folder->path(QStringLiteral("with.png"));
        const QString without = m_folder->path(QStringLiteral("without.png"));
        QCOMPARE(runTool({"render", source, with, "--dictionary", dictionary}).status, 0);
        QCOMPARE(runTool({"render", source, without}).status, 0);
        QCOMPARE(QImage(with).pixelColor(230, 80), QColor(Qt::green));
        QVERIFY(QImage(without).pixelColor(230, 80) != QColor(Qt::green));
        // The label fits its height to the text; long text in near-black letters.
        const QRect label(20, 200, 300, 20);
        QVERIFY(darkPixels(QImage(with), label) > darkPixels(QImage(without), label) + 50);
        // The run's dictionary never reached the stored one.
        const auto stored = toolSettings();
        QVERIFY(!stored->contains(QStringLiteral("DrolvanDictionary/Logo")));
        QVERIFY(!stored->contains(QStringLiteral("DrolvanDictionary/Customer")));
        QVERIFY(stored->contains(QStringLiteral("DrolvanDictionary/Title")));
    }

    void unreadableDictionaryFails()
    {
        const QString dictionary = m_folder->path(QStringLiteral("none.df"));
        const QString target = m_folder->path(QStringLiteral("page.png"));
        const Run run = runTool({"render", m_page, target, "--dictionary", dictionary});
        QCOMPARE(run.status, 1);
        QVERIFY(run.errors.contains("Unable to open dictionary file"));
        QVERIFY(run.errorLines().contains("error: " + dictionary + ": the dictionary file cannot be read"));
        QVERIFY(!QFile::exists(target));
    }

private:
    std::unique_ptr<Folder> m_folder;
    QString m_page;
};

KORVEX_TEST_MAIN(TestTemplateRender)
#include "tst_templaterender.moc"
