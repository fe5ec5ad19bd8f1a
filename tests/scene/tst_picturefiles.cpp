#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexPictureFiles.h"

#include <QDateTime>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    const QByteArray typed = type + data;
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : typed) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return bigEndian(quint32(data.size())) + typed + bigEndian(~crc);
}

// A PNG whose header promises a picture of the given size, with one tiny data chunk: enough
// for a reader to learn the size, far too little to decode.
QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    const QByteArray header = bigEndian(width) + bigEndian(height) + QByteArray::fromHex("0806000000");
    return QByteArray::fromHex("89504e470d0a1a0a") + pngChunk("IHDR", header)
        + pngChunk("IDAT", QByteArray::fromHex("789c030000000001")) + pngChunk("IEND", QByteArray());
}

} // namespace

/// Picture files: refusal of absurd sizes before decoding, and one decoded copy per unchanged file.
class TestPictureFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void acceptableSize_data();
    void acceptableSize();
    void refused_data();
    void refused();
    void unchangedFileIsDecodedOnce();
    void settledFileIsKnownByTimeAndSize();
    void imageItemsShareOnePicture();

private:
    QString file(const QString& name, const QByteArray& bytes);
    QString picture(const QString& name, const QColor& color, const QSize& size = QSize(4, 3));

    QTemporaryDir m_dir;
};

void TestPictureFiles::init()
{
    CKorvexPictureFiles::clear();
}

QString TestPictureFiles::file(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(name);
    return KorvexTestFiles::writeFile(path, bytes) ? path : QString();
}

QString TestPictureFiles::picture(const QString& name, const QColor& color, const QSize& size)
{
    const QString path = m_dir.filePath(name);
    return KorvexTestFiles::writePng(path, size, color) ? path : QString();
}

void TestPictureFiles::acceptableSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("unknown before decoding") << QSize() << true;
    QTest::newRow("widest") << QSize(32767, 1) << true;
    QTest::newRow("one wider") << QSize(32768, 1) << false;
    QTest::newRow("highest") << QSize(1, 32767) << true;
    QTest::newRow("one higher") << QSize(1, 32768) << false;
    QTest::newRow("most pixels") << QSize(10000, 10000) << true;
    QTest::newRow("one row more") << QSize(10000, 10001) << false;
    QTest::newRow("product beyond 32 bits") << QSize(32767, 32767) << false;
}

void TestPictureFiles::acceptableSize()
{
    QFETCH(QSize, size);
    QFETCH(bool, acceptable);
    QCOMPARE(CKorvexPictureFiles::acceptableSize(size), acceptable);
}

void TestPictureFiles::refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("promised");
    QTest::newRow("empty file") << "empty.png" << QByteArray() << QSize();
    QTest::newRow("text named as picture") << "text.png" << QByteArray("not a picture\n") << QSize();
    QTest::newRow("too wide") << "wide.png" << pngHeaderOnly(40000, 10) << QSize(40000, 10);
    QTest::newRow("too many pixels") << "many.png" << pngHeaderOnly(20000, 20000) << QSize(20000, 20000);
    QTest::newRow("absurd in a wrong name") << "many.jpg" << pngHeaderOnly(20000, 20000) << QSize(20000, 20000);
}

void TestPictureFiles::refused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, promised);
    const QString path = file(name, bytes);
    QVERIFY(!path.isEmpty());
    // The size is known before decoding, so the refusal costs no decoding.
    if (promised.isValid())
        QCOMPARE(QImageReader(path).size(), promised);
    QVERIFY(CKorvexPictureFiles::load(path).isNull());
}

void TestPictureFiles::unchangedFileIsDecodedOnce()
{
    const QString path = picture(QStringLiteral("red.png"), Qt::red);
    const QImage first = CKorvexPictureFiles::load(path);
    QCOMPARE(first.size(), QSize(4, 3));
    QCOMPARE(first.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(CKorvexPictureFiles::load(path).cacheKey(), first.cacheKey());
    CKorvexPictureFiles::clear();
    QVERIFY(CKorvexPictureFiles::load(path).cacheKey() != first.cacheKey());

    // Same size, same name, written within the same moment: only the bytes differ.
    QCOMPARE(picture(QStringLiteral("red.png"), Qt::blue), path);
    QCOMPARE(CKorvexPictureFiles::load(path).pixelColor(0, 0), QColor(Qt::blue));
    QCOMPARE(first.pixelColor(0, 0), QColor(Qt::red));

    // A picture under a wrong suffix is known by its content.
    QFile png(path);
    QVERIFY(png.open(QIODevice::ReadOnly));
    QCOMPARE(CKorvexPictureFiles::load(file(QStringLiteral("real.jpg"), png.readAll())).pixelColor(0, 0),
             QColor(Qt::blue));

    QVERIFY(QFile::remove(path));
    QVERIFY(CKorvexPictureFiles::load(path).isNull());
    QVERIFY(!file(QStringLiteral("red.png"), "broken").isEmpty());
    QVERIFY(CKorvexPictureFiles::load(path).isNull());
    for (const QString& nothing : {QString(), QStringLiteral("   "), m_dir.path(), m_dir.filePath("missing.png")})
        QVERIFY(CKorvexPictureFiles::load(nothing).isNull());
}

void TestPictureFiles::settledFileIsKnownByTimeAndSize()
{
    const QString path = picture(QStringLiteral("settled.png"), Qt::red);
    const QDateTime anHourAgo = QDateTime::currentDateTime().addSecs(-3600);
    auto setTime = [&path](const QDateTime& time) {
        QFile file(path);
        return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
    };
    QVERIFY(setTime(anHourAgo));
    QCOMPARE(CKorvexPictureFiles::load(path).pixelColor(0, 0), QColor(Qt::red));

    // Rewritten: a newer time, so it is read again.
    QCOMPARE(picture(QStringLiteral("settled.png"), Qt::blue), path);
    QCOMPARE(CKorvexPictureFiles::load(path).pixelColor(0, 0), QColor(Qt::blue));

    // Time and size alone decide once the file is settled: not even read.
    QVERIFY(setTime(anHourAgo));
    const QImage blue = CKorvexPictureFiles::load(path);
    QCOMPARE(picture(QStringLiteral("settled.png"), Qt::green), path);
    QVERIFY(setTime(anHourAgo));
    QCOMPARE(CKorvexPictureFiles::load(path).cacheKey(), blue.cacheKey());
}

void TestPictureFiles::imageItemsShareOnePicture()
{
    const QString path = picture(QStringLiteral("shared.png"), Qt::yellow, QSize(40, 30));
    CKorvexDesignerImage first;
    CKorvexDesignerImage second;
    first.setPath(path);
    second.setPath(path);
    QVERIFY(first.hasFilePicture());
    QCOMPARE(second.filePicture().cacheKey(), first.filePicture().cacheKey());
    QCOMPARE(second.fallbackPicture().cacheKey(), first.fallbackPicture().cacheKey());

    const QString huge = file(QStringLiteral("huge.png"), pngHeaderOnly(30000, 30000));
    first.setPath(huge);
    QVERIFY(!first.hasFilePicture());
    QCOMPARE(first.path(), huge);
}

KORVEX_TEST_MAIN(TestPictureFiles)
#include "tst_picturefiles.moc"
