#include "KorvexTestMain.h"
#include "KorvexToolFixtures.h"
#include "KorvexToolRun.h"

#include <QRegularExpression>
#include <QTemporaryDir>

using namespace KorvexToolFixtures;

namespace {

const QColor pageRed(200, 30, 30);
const QColor rectBlue(0, 0, 255);

QString dictionaryImageBlock()
{
    return QStringLiteral("item begin\ntype:image\nstart location:200 50\nzvalue:2\nwidth:60\nheight:60\n"
                          "image source type:dictionary\ndictionary key:Logo\nitem end");
}

QString dictionaryLabelBlock()
{
    return QStringLiteral("item begin\ntype:label\nstart location:20 200\nzvalue:3\nwidth:300\nheight:60\n"
                          "fill color:255 255 255 255\ntext source type:dictionary\ndictionary key:Customer\nitem end");
}

int darkPixels(const QImage& picture, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += qMax(qRed(picture.pixel(x, y)), qMax(qGreen(picture.pixel(x, y)), qBlue(picture.pixel(x, y)))) < 100
                         ? 1
                         : 0;
    }
    return count;
}

int pageObjects(const QByteArray& pdf)
{
    const QByteArray marker("/Type /Page");
    int count = 0;
    for (int at = pdf.indexOf(marker); at >= 0; at = pdf.indexOf(marker, at + 1)) {
        const int end = at + marker.size();
        const char next = end < pdf.size() ? pdf.at(end) : '\0';
        count += next == 's' ? 0 : 1;
    }
    return count;
}

} // namespace

class TestTemplateRender : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pictureIsThePageTimesTheScale_data();
    void pictureIsThePageTimesTheScale();
    void gridIsNotDrawnAndItsSettingStays();
    void dictionaryFileSuppliesPicturesAndTextsForOneRun();
    void unreadableDictionaryFails();
    void pdfIsOnePageOfThePageSize_data();
    void pdfIsOnePageOfThePageSize();
    void unwritableTargetFails();

private:
    QString path(const QString& name) const { return m_folder->filePath(name); }
    QString page(const QStringList& extraBlocks = {});

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestTemplateRender::init()
{
    KorvexToolRun::clearToolSettings();
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

QString TestTemplateRender::page(const QStringList& extraBlocks)
{
    return writeText(path(QStringLiteral("page.ktf")), QStringList{screenBlock(), rectBlock()} + extraBlocks);
}

void TestTemplateRender::pictureIsThePageTimesTheScale_data()
{
    QTest::addColumn<QStringList>("scaleArguments");
    QTest::addColumn<double>("scale");
    QTest::newRow("as shown") << QStringList{} << 1.0;
    QTest::newRow("double") << QStringList{"--scale", "2"} << 2.0;
    QTest::newRow("half, written joined") << QStringList{"--scale=0.5"} << 0.5;
}

void TestTemplateRender::pictureIsThePageTimesTheScale()
{
    QFETCH(QStringList, scaleArguments);
    QFETCH(double, scale);
    const QString picturePath = path(QStringLiteral("page.png"));
    const KorvexToolRun run = KorvexToolRun::of(QStringList{"render", page(), picturePath} + scaleArguments);
    QCOMPARE(run.status, 0);
    QVERIFY(run.errorLines().isEmpty());
    const QImage picture(picturePath);
    QCOMPARE(picture.size(), QSize(qRound(400 * scale), qRound(300 * scale)));
    const auto at = [&](double x, double y) { return picture.pixelColor(qRound(x * scale), qRound(y * scale)); };
    QCOMPARE(at(20, 20), pageRed);
    QCOMPARE(at(390, 290), pageRed);
    QCOMPARE(at(125, 120), rectBlue);
    QCOMPARE(at(170, 120), pageRed);
}

void TestTemplateRender::gridIsNotDrawnAndItsSettingStays()
{
    KorvexToolRun::toolSettings()->setValue(QStringLiteral("Designer/isGridShown"), true);
    const QString picturePath = path(QStringLiteral("page.png"));
    QCOMPARE(KorvexToolRun::of({"render", page(), picturePath}).status, 0);
    const QImage picture(picturePath);
    for (int y = 0; y < 90; ++y) {
        for (int x = 0; x < 400; ++x)
            QCOMPARE(picture.pixelColor(x, y), pageRed);
    }
    QCOMPARE(KorvexToolRun::toolSettings()->value(QStringLiteral("Designer/isGridShown")).toBool(), true);
}

void TestTemplateRender::dictionaryFileSuppliesPicturesAndTextsForOneRun()
{
    const QString green = writePicture(path(QStringLiteral("green.png")), Qt::green, QSize(30, 30));
    const QString dictionary = writeFile(path(QStringLiteral("names.df")),
                                         "Customer\nMMMMMMMMMMMM\nLogo\n" + green.toUtf8() + "\n");
    const QString source = page({dictionaryImageBlock(), dictionaryLabelBlock()});
    const QString withPath = path(QStringLiteral("with.png"));
    const QString withoutPath = path(QStringLiteral("without.png"));
    const KorvexToolRun with = KorvexToolRun::of({"render", source, withPath, "--dictionary", dictionary});
    QCOMPARE(with.status, 0);
    QCOMPARE(KorvexToolRun::of({"render", source, withoutPath}).status, 0);

    const QImage withDictionary(withPath);
    const QImage without(withoutPath);
    QCOMPARE(withDictionary.pixelColor(230, 80), QColor(Qt::green));
    QVERIFY(without.pixelColor(230, 80) != QColor(Qt::green));
    // The label fits its height to the text; long text in near-black letters.
    const QRect label(20, 200, 300, 20);
    QVERIFY(darkPixels(withDictionary, label) > darkPixels(without, label) + 50);
    // The run's dictionary never reached the stored one.
    const auto stored = KorvexToolRun::toolSettings();
    QVERIFY(!stored->contains(QStringLiteral("DrolvanDictionary/Logo")));
    QVERIFY(!stored->contains(QStringLiteral("DrolvanDictionary/Customer")));
    QVERIFY(stored->contains(QStringLiteral("DrolvanDictionary/Title")));
}

void TestTemplateRender::unreadableDictionaryFails()
{
    const KorvexToolRun run = KorvexToolRun::of(
        {"render", page(), path(QStringLiteral("page.png")), "--dictionary", path(QStringLiteral("none.df"))});
    QCOMPARE(run.status, 1);
    QVERIFY(run.errors.contains("Unable to open dictionary file"));
    QVERIFY(run.errors.contains("error: " + path(QStringLiteral("none.df")).toUtf8()));
    QVERIFY(!QFile::exists(path(QStringLiteral("page.png"))));
}

void TestTemplateRender::pdfIsOnePageOfThePageSize_data()
{
    QTest::addColumn<QStringList>("scaleArguments");
    QTest::addColumn<QSizeF>("points");
    QTest::newRow("as shown") << QStringList{} << QSizeF(400, 300);
    QTest::newRow("double") << QStringList{"--scale", "2"} << QSizeF(800, 600);
}

void TestTemplateRender::pdfIsOnePageOfThePageSize()
{
    QFETCH(QStringList, scaleArguments);
    QFETCH(QSizeF, points);
    const QString pdfPath = path(QStringLiteral("page.PDF"));
    QCOMPARE(KorvexToolRun::of(QStringList{"render", page(), pdfPath} + scaleArguments).status, 0);
    QFile file(pdfPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF-"));
    QCOMPARE(pageObjects(pdf), 1);
    const int boxAt = pdf.indexOf("/MediaBox");
    QVERIFY(boxAt >= 0);
    const QString boxText = QString::fromLatin1(pdf.mid(boxAt, pdf.indexOf(']', boxAt) + 1 - boxAt));
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("^/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)\\s*\\]$")).match(boxText);
    QVERIFY(box.hasMatch());
    QCOMPARE(box.captured(1).toDouble(), points.width());
    QCOMPARE(box.captured(2).toDouble(), points.height());
}

void TestTemplateRender::unwritableTargetFails()
{
    for (const char* name : {"no/folder/page.png", "no/folder/page.pdf"}) {
        const QString target = path(QLatin1String(name));
        const KorvexToolRun run = KorvexToolRun::of({"render", page(), target});
        QCOMPARE(run.status, 1);
        QVERIFY(run.errors.contains("error: " + target.toUtf8()));
    }
}

KORVEX_TEST_MAIN(TestTemplateRender)
#include "tst_templaterender.moc"
