#include "KorvexTestMain.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexPictureFiles.h"

#include <QDateTime>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

quint32 crc32Of(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    const QByteArray typed = type + data;
    return bigEndian(quint32(data.size())) + typed + bigEndian(crc32Of(typed));
}

// A PNG whose header promises a picture of the given size, with one tiny data chunk: enough
// for a reader to learn the size, far too little to decode.
QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    const QByteArray header = bigEndian(width) + bigEndian(height)
        + QByteArray::fromHex("0806000000"); // 8 bits, RGBA, deflate, no filter, no interlace
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
    void rewrittenFileIsDecodedAgain();
    void settledFileIsKnownByTimeAndSize();
    void removedFileGivesNoPicture();
    void pictureUnderAWrongSuffixLoads();
    void imageItemsShareOnePicture();

private:
    QString writePicture(const QString& name, const QColor& color, const QSize& size = QSize(4, 3));
    QString writeBytes(const QString& name, const QByteArray& bytes);

    QTemporaryDir m_dir;
};

void TestPictureFiles::init()
{
    CKorvexPictureFiles::clear();
}

QString TestPictureFiles::writePicture(const QString& name, const QColor& color, const QSize& size)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(color);
    const QString path = m_dir.filePath(name);
    if (!picture.save(path))
        return QString();
    return path;
}

QString TestPictureFiles::writeBytes(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
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
    const QString path = writeBytes(name, bytes);
    QVERIFY(!path.isEmpty());
    // The size is known before decoding, so the refusal costs no decoding.
    if (promised.isValid())
        QCOMPARE(QImageReader(path).size(), promised);
    QVERIFY(CKorvexPictureFiles::load(path).isNull());
    QVERIFY(CKorvexPictureFiles::load(QString()).isNull());
    QVERIFY(CKorvexPictureFiles::load(QStringLiteral("   ")).isNull());
    QVERIFY(CKorvexPictureFiles::load(m_dir.path()).isNull());
    QVERIFY(CKorvexPictureFiles::load(m_dir.filePath(QStringLiteral("missing.png"))).isNull());
}

void TestPictureFiles::unchangedFileIsDecodedOnce()
{
    const QString path = writePicture(QStringLiteral("red.png"), Qt::red);
    const QImage first = CKorvexPictureFiles::load(path);
    QCOMPARE(first.size(), QSize(4, 3));
    QCOMPARE(first.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(CKorvexPictureFiles::load(path).cacheKey(), first.cacheKey());
    CKorvexPictureFiles::clear();
    QVERIFY(CKorvexPictureFiles::load(path).cacheKey() != first.cacheKey());
}

void TestPictureFiles::rewrittenFileIsDecodedAgain()
{
    const QString path = writePicture(QStringLiteral("colour.png"), Qt::red);
    const QImage red = CKorvexPictureFiles::load(path);
    // Same size, same name, written within the same moment: only the bytes differ.
    QCOMPARE(writePicture(QStringLiteral("colour.png"), Qt::blue), path);
    const QImage blue = CKorvexPictureFiles::load(path);
    QCOMPARE(blue.pixelColor(0, 0), QColor(Qt::blue));
    QCOMPARE(red.pixelColor(0, 0), QColor(Qt::red));
}

void TestPictureFiles::settledFileIsKnownByTimeAndSize()
{
    const QString path = writePicture(QStringLiteral("settled.png"), Qt::red);
    const QDateTime anHourAgo = QDateTime::currentDateTime().addSecs(-3600);
    auto setTime = [&path](const QDateTime& time) {
        QFile file(path);
        return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFileDevice::FileModificationTime);
    };
    QVERIFY(setTime(anHourAgo));
    const QImage red = CKorvexPictureFiles::load(path);
    QCOMPARE(red.pixelColor(0, 0), QColor(Qt::red));

    // Rewritten: a newer time, so it is read again.
    QCOMPARE(writePicture(QStringLiteral("settled.png"), Qt::blue), path);
    QCOMPARE(CKorvexPictureFiles::load(path).pixelColor(0, 0), QColor(Qt::blue));

    // Time and size alone decide once the file is settled: not even read.
    QVERIFY(setTime(anHourAgo));
    const QImage blue = CKorvexPictureFiles::load(path);
    QCOMPARE(writePicture(QStringLiteral("settled.png"), Qt::green), path);
    QVERIFY(setTime(anHourAgo));
    QCOMPARE(CKorvexPictureFiles::load(path).cacheKey(), blue.cacheKey());
}

void TestPictureFiles::removedFileGivesNoPicture()
{
    const QString path = writePicture(QStringLiteral("gone.png"), Qt::green);
    QVERIFY(!CKorvexPictureFiles::load(path).isNull());
    QVERIFY(QFile::remove(path));
    QVERIFY(CKorvexPictureFiles::load(path).isNull());
    QVERIFY(!writeBytes(QStringLiteral("gone.png"), "broken").isEmpty());
    QVERIFY(CKorvexPictureFiles::load(path).isNull());
}

void TestPictureFiles::pictureUnderAWrongSuffixLoads()
{
    const QString png = writePicture(QStringLiteral("real.png"), Qt::cyan);
    QFile file(png);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString misnamed = writeBytes(QStringLiteral("real.jpg"), file.readAll());
    QCOMPARE(CKorvexPictureFiles::load(misnamed).pixelColor(0, 0), QColor(Qt::cyan));
}

void TestPictureFiles::imageItemsShareOnePicture()
{
    const QString path = writePicture(QStringLiteral("shared.png"), Qt::yellow, QSize(40, 30));
    CKorvexDesignerImage first;
    CKorvexDesignerImage second;
    first.setPath(path);
    second.setPath(path);
    QVERIFY(first.hasPicture());
    QCOMPARE(second.filePicture().cacheKey(), first.filePicture().cacheKey());
    QCOMPARE(second.fallbackPicture().cacheKey(), first.fallbackPicture().cacheKey());

    const QString huge = writeBytes(QStringLiteral("huge.png"), pngHeaderOnly(30000, 30000));
    first.setPath(huge);
    QVERIFY(!first.hasPicture());
    QCOMPARE(first.path(), huge);
}

KORVEX_TEST_MAIN(TestPictureFiles)
#include "tst_picturefiles.moc"
