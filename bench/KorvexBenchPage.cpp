#include "bench/KorvexBenchPage.h"

#include "io/CKorvexPropertyKeys.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRandomGenerator>
#include <QStringList>

namespace P = CKorvexPropertyKeys;
namespace T = CKorvexItemTypes;

namespace {

constexpr quint32 pageSeed = 20261205;

QStringList colorList(int r, int g, int b)
{
    return {QString::number(r), QString::number(g), QString::number(b)};
}

QStringList colorList(int r, int g, int b, int a)
{
    return colorList(r, g, b) << QString::number(a);
}

QStringList randomColor(QRandomGenerator& random)
{
    return colorList(random.bounded(256), random.bounded(256), random.bounded(256));
}

// Photos and logos compress badly; some noise keeps the pictures from shrinking to nothing.
QImage drawPicture(int index, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(pageSeed + quint32(index));
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor::fromHsv((index * 37) % 360, 180, 230));
    gradient.setColorAt(1, QColor::fromHsv((index * 37 + 120) % 360, 200, 120));
    painter.fillRect(image.rect(), gradient);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv(random.bounded(360), 160, 200, 160));
        painter.drawEllipse(random.bounded(size.width()), random.bounded(size.height()), 10 + random.bounded(60),
                            10 + random.bounded(60));
    }
    painter.end();
    for (int y = 0; y < size.height(); y += 2) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] ^= random.bounded(8) * 0x010101u;
    }
    return image;
}

QString labelHtml(int index)
{
    return QStringLiteral("<p style=\"margin:0\"><span style=\"font-family:'DejaVu Sans'; font-size:12pt;\">"
                          "Label %1: order summary</span></p>"
                          "<p style=\"margin:0\"><span style=\"font-family:'DejaVu Serif'; font-size:10pt; "
                          "font-style:italic;\">Delivered to the second floor, </span>"
                          "<span style=\"font-family:'DejaVu Sans'; font-size:10pt; font-weight:600;\">room %2</span></p>"
                          "<p style=\"margin:0\"><span style=\"font-family:'DejaVu Serif'; font-size:9pt;\">"
                          "Checked and signed on arrival.</span></p>")
        .arg(index)
        .arg(100 + index % 900);
}

QString labelText(int index)
{
    return QStringLiteral("Label %1: order summary\nDelivered to the second floor, room %2\nChecked and signed on arrival.")
        .arg(index)
        .arg(100 + index % 900);
}

QPointF randomPlace(QRandomGenerator& random, double width, double height)
{
    const QSizeF page = KorvexBenchPage::pageSize();
    return QPointF(random.bounded(qMax(1, int(page.width() - width))),
                   random.bounded(qMax(1, int(page.height() - height))));
}

CKorvexDesignerProperty baseRecord(const QString& type, const QPointF& place, int z)
{
    CKorvexDesignerProperty record;
    record.setValue(P::Type, type);
    record.setValue(P::StartLocation, place);
    record.setValue(P::ZValue, z);
    return record;
}

CKorvexDesignerProperty rectRecord(QRandomGenerator& random, int z)
{
    const double w = 20 + random.bounded(180);
    const double h = 20 + random.bounded(130);
    CKorvexDesignerProperty record = baseRecord(T::Rect, randomPlace(random, w, h), z);
    record.setValue(P::Width, w);
    record.setValue(P::Height, h);
    record.setValue(P::PenWidth, 1.0 + random.bounded(3));
    record.setValue(P::PenColor, randomColor(random));
    record.setValue(P::FillColor, randomColor(random) << QString::number(128 + random.bounded(128)));
    record.setValue(P::IsGradientMode, false);
    return record;
}

CKorvexDesignerProperty lineRecord(QRandomGenerator& random, int z)
{
    const double dx = random.bounded(200) - 100;
    const double dy = random.bounded(200) - 100;
    const QPointF start = randomPlace(random, 100, 100) + QPointF(100, 100);
    CKorvexDesignerProperty record = baseRecord(T::Line, start, z);
    record.setValue(P::EndLocation, start + QPointF(dx, dy));
    record.setValue(P::PenWidth, 1.0 + random.bounded(4));
    record.setValue(P::PenColor, randomColor(random));
    return record;
}

CKorvexDesignerProperty labelRecord(QRandomGenerator& random, int z, int index)
{
    const double w = 180 + random.bounded(120);
    CKorvexDesignerProperty record = baseRecord(T::Label, randomPlace(random, w, 60), z);
    record.setValue(P::Width, w);
    record.setValue(P::Height, 60.0);
    record.setValue(P::FillColor, colorList(255, 255, 255, 0));
    record.setValue(P::Text, labelText(index));
    record.setValue(P::Html, labelHtml(index));
    record.setValue(P::FontListText,
                    QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif"),
                                QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")});
    record.setValue(P::TextSourceType, QStringLiteral("text editor"));
    return record;
}

CKorvexDesignerProperty formTextBoxRecord(QRandomGenerator& random, int z, int index)
{
    CKorvexDesignerProperty record = baseRecord(T::FormTextBox, randomPlace(random, 160, 24), z);
    record.setValue(P::Width, 160.0);
    record.setValue(P::Height, 24.0);
    record.setValue(P::CustomId, QStringLiteral("field_%1").arg(index));
    return record;
}

} // namespace

KorvexBenchPage::KorvexBenchPage(const QString& pictureFolder)
    : m_folder(pictureFolder)
{
    m_valid = QDir().mkpath(m_folder) && writePictures();
}

bool KorvexBenchPage::isValid() const
{
    return m_valid;
}

QString KorvexBenchPage::picturePath(int index) const
{
    return m_folder + QStringLiteral("/picture%1.png").arg(index, 2, 10, QLatin1Char('0'));
}

QString KorvexBenchPage::backgroundPath() const
{
    return m_folder + QStringLiteral("/background.png");
}

QSizeF KorvexBenchPage::pageSize()
{
    return QSizeF(1190, 1684);
}

bool KorvexBenchPage::writePictures() const
{
    for (int i = 0; i < pictureCount; ++i) {
        if (!QFileInfo::exists(picturePath(i)) && !drawPicture(i, QSize(320, 240)).save(picturePath(i), "PNG"))
            return false;
    }
    const QSize page = pageSize().toSize();
    return QFileInfo::exists(backgroundPath()) || drawPicture(pictureCount, page).save(backgroundPath(), "PNG");
}

QList<CKorvexDesignerProperty> KorvexBenchPage::records(int count) const
{
    QRandomGenerator random(pageSeed);
    QList<CKorvexDesignerProperty> result;
    CKorvexDesignerProperty screen = baseRecord(T::Screen, QPointF(0, 0), 0);
    screen.setValue(P::Width, pageSize().width());
    screen.setValue(P::Height, pageSize().height());
    screen.setValue(P::FillColor, colorList(255, 255, 255));
    screen.setValue(P::IsImageMode, true);
    screen.setValue(P::Path, backgroundPath());
    screen.setValue(P::PageSizeType, QStringLiteral("Custom"));
    screen.setValue(P::Dpi, 72);
    result.append(screen);

    for (int i = 0; i < count; ++i) {
        const int z = i + 1;
        if (i == count / 2) {
            CKorvexDesignerProperty area = baseRecord(T::Area3D, QPointF(300, 400), z);
            area.setValue(P::Width, 480.0);
            area.setValue(P::Height, 360.0);
            area.setValue(P::FillColor, colorList(200, 200, 200));
            result.append(area);
            continue;
        }
        switch (i % 10) {
        case 0: case 1: case 2:
            result.append(rectRecord(random, z));
            break;
        case 3: case 4:
            result.append(lineRecord(random, z));
            break;
        case 5: case 6:
            result.append(labelRecord(random, z, i));
            break;
        case 7: case 8: {
            const double w = 40 + random.bounded(120);
            CKorvexDesignerProperty image = baseRecord(T::Image, randomPlace(random, w, w * 0.75), z);
            image.setValue(P::Width, w);
            image.setValue(P::Height, w * 0.75);
            image.setValue(P::Path, picturePath(random.bounded(pictureCount)));
            image.setValue(P::ScaleToFit, 1);
            image.setValue(P::KeepAspectRatio, 1);
            result.append(image);
            break;
        }
        default:
            result.append(formTextBoxRecord(random, z, i));
            break;
        }
    }
    return result;
}

QString KorvexBenchPage::clipboardText(int count) const
{
    QStringList blocks;
    const QList<CKorvexDesignerProperty> all = records(count);
    for (const CKorvexDesignerProperty& record : all) {
        const QString type = record.value(P::Type).toString();
        if (type != T::Screen && type != T::Area3D)
            blocks.append(record.toItemBlock());
    }
    return blocks.join(QLatin1Char('\n'));
}
