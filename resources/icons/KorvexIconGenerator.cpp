// Draws the designer's icons. Build and run the opt-in target korvex_generate_icons, which writes
// every PNG into this folder, the application icon at the desktop theme's sizes into hicolor/;
// commit the PNGs with any change here.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <functional>
#include <vector>

namespace {

// One flat palette for every icon.
const QColor ink(0, 58, 86);          // outlines, letters
const QColor primary(26, 115, 160);   // main shapes
const QColor primaryLight(205, 229, 242);
const QColor accent(240, 140, 40);    // what the tool makes or moves
const QColor accentDark(190, 95, 20);
const QColor paper(255, 255, 255);
const QColor shade(150, 165, 178);
const QColor folder(245, 190, 75);
const QColor folderDark(200, 140, 35);
const QColor danger(200, 60, 50);     // removing

QPen outline(const QColor& colour, double width = 1.5)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPainterPath pageShape(double left, double top, double right, double bottom, double fold)
{
    QPainterPath path;
    path.moveTo(left, top);
    path.lineTo(right - fold, top);
    path.lineTo(right, top + fold);
    path.lineTo(right, bottom);
    path.lineTo(left, bottom);
    path.closeSubpath();
    return path;
}

void drawPage(QPainter& p, double left, double top, double right, double bottom, double fold)
{
    p.setPen(outline(ink));
    p.setBrush(paper);
    p.drawPath(pageShape(left, top, right, bottom, fold));
    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    p.setBrush(primaryLight);
    p.drawPath(corner);
}

void drawLetter(QPainter& p, const QString& letter, bool bold, bool italic, const QRectF& box,
                const QColor& colour, const QString& family = QStringLiteral("DejaVu Sans"))
{
    QFont font(family);
    font.setPixelSize(int(box.height()));
    font.setBold(bold);
    font.setItalic(italic);
    QPainterPath path;
    path.addText(0, 0, font, letter);
    const QRectF bounds = path.boundingRect();
    const double scale = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(transform.map(path));
}

void drawArrowHead(QPainter& p, QPointF tip, bool up, double half, double length, const QColor& colour)
{
    const double direction = up ? 1 : -1;
    QPolygonF head;
    head << tip << QPointF(tip.x() - half, tip.y() + direction * length)
         << QPointF(tip.x() + half, tip.y() + direction * length);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

void newFile(QPainter& p)
{
    drawPage(p, 6.5, 3.5, 24.5, 28.5, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawEllipse(QPointF(23, 23), 6.5, 6.5);
    p.setPen(outline(paper, 2));
    p.drawLine(QPointF(23, 19.5), QPointF(23, 26.5));
    p.drawLine(QPointF(19.5, 23), QPointF(26.5, 23));
}

void openFolder(QPainter& p)
{
    QPainterPath back;
    back.moveTo(3.5, 8.5);
    back.lineTo(11.5, 8.5);
    back.lineTo(14, 11);
    back.lineTo(25.5, 11);
    back.lineTo(25.5, 25.5);
    back.lineTo(3.5, 25.5);
    back.closeSubpath();
    p.setPen(outline(folderDark));
    p.setBrush(folderDark.lighter(125));
    p.drawPath(back);
    p.setPen(outline(ink, 1));
    p.setBrush(paper);
    p.drawRect(QRectF(7.5, 13.5, 15, 10));
    QPainterPath front;
    front.moveTo(3.5, 25.5);
    front.lineTo(8, 15.5);
    front.lineTo(29.5, 15.5);
    front.lineTo(25.5, 25.5);
    front.closeSubpath();
    p.setPen(outline(folderDark));
    p.setBrush(folder);
    p.drawPath(front);
}

void saveFile(QPainter& p)
{
    QPainterPath body;
    body.moveTo(4.5, 4.5);
    body.lineTo(23.5, 4.5);
    body.lineTo(27.5, 8.5);
    body.lineTo(27.5, 27.5);
    body.lineTo(4.5, 27.5);
    body.closeSubpath();
    p.setPen(outline(ink));
    p.setBrush(primary);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawRoundedRect(QRectF(8.5, 16, 15, 11.5), 1, 1);
    p.setBrush(primaryLight);
    p.drawRect(QRectF(9.5, 4.5, 12, 7.5));
    p.setBrush(ink);
    p.drawRect(QRectF(17, 5.5, 3, 5.5));
    p.setPen(outline(shade, 1));
    p.drawLine(QPointF(11, 19.5), QPointF(21, 19.5));
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
}

void pointer(QPainter& p)
{
    QPolygonF arrow;
    arrow << QPointF(9, 4) << QPointF(9, 25) << QPointF(14, 20.5) << QPointF(17.5, 28.5) << QPointF(21, 27)
          << QPointF(17.5, 19) << QPointF(24, 19);
    p.setPen(outline(ink, 1.6));
    p.setBrush(paper);
    p.drawPolygon(arrow);
}

void handle(QPainter& p, QPointF centre)
{
    p.setPen(outline(ink, 1));
    p.setBrush(accent);
    p.drawRect(QRectF(centre.x() - 3, centre.y() - 3, 6, 6));
}

void line(QPainter& p)
{
    p.setPen(outline(primary, 3));
    p.drawLine(QPointF(7, 25), QPointF(25, 7));
    handle(p, QPointF(7, 25));
    handle(p, QPointF(25, 7));
}

void rectangle(QPainter& p)
{
    p.setPen(outline(primary, 2.5));
    p.setBrush(primaryLight);
    p.drawRect(QRectF(5, 8, 22, 16));
}

void area3D(QPainter& p)
{
    const QPointF top(16, 4.5), left(5.5, 10), right(26.5, 10), centre(16, 15.5);
    const QPointF bottomLeft(5.5, 22), bottomRight(26.5, 22), bottom(16, 27.5);
    p.setPen(outline(ink, 1.4));
    p.setBrush(primaryLight);
    p.drawPolygon(QVector<QPointF>{top, right, centre, left});
    p.setBrush(primary);
    p.drawPolygon(QVector<QPointF>{left, centre, bottom, bottomLeft});
    p.setBrush(primary.darker(140));
    p.drawPolygon(QVector<QPointF>{centre, right, bottomRight, bottom});
}

void label(QPainter& p)
{
    drawLetter(p, QStringLiteral("A"), true, false, QRectF(5, 4, 22, 19), primary);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(5, 25, 22, 3), 1, 1);
}

void boldStyle(QPainter& p)
{
    drawLetter(p, QStringLiteral("B"), true, false, QRectF(8, 6, 16, 20), ink);
}

void italicStyle(QPainter& p)
{
    drawLetter(p, QStringLiteral("I"), false, true, QRectF(10, 6, 12, 20), ink, QStringLiteral("DejaVu Serif"));
}

void underlineStyle(QPainter& p)
{
    drawLetter(p, QStringLiteral("U"), false, false, QRectF(8, 4, 16, 18), ink);
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(7, 25, 18, 2.5), 1, 1);
}

void image(QPainter& p)
{
    p.setPen(outline(ink));
    p.setBrush(paper);
    p.drawRoundedRect(QRectF(3.5, 6.5, 25, 19), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(primaryLight);
    p.drawRect(QRectF(5.5, 8.5, 21, 15));
    p.setBrush(accent);
    p.drawEllipse(QPointF(21.5, 12.5), 2.5, 2.5);
    QPolygonF hills;
    hills << QPointF(5.5, 23.5) << QPointF(12, 14) << QPointF(17, 20) << QPointF(20, 17) << QPointF(26.5, 23.5);
    p.setBrush(primary);
    p.drawPolygon(hills);
}

void formTextBox(QPainter& p)
{
    p.setPen(outline(ink));
    p.setBrush(paper);
    p.drawRoundedRect(QRectF(2.5, 9.5, 27, 13), 2, 2);
    p.setPen(outline(shade, 2));
    p.drawLine(QPointF(6.5, 16), QPointF(16.5, 16));
    p.setPen(outline(accent, 1.6));
    p.drawLine(QPointF(20, 12.5), QPointF(20, 19.5));
    p.drawLine(QPointF(18.5, 12.5), QPointF(21.5, 12.5));
    p.drawLine(QPointF(18.5, 19.5), QPointF(21.5, 19.5));
}

void stackedSquares(QPainter& p, bool accentOnTop)
{
    const QRectF back(4.5, 4.5, 15, 15), front(12.5, 12.5, 15, 15);
    const QRectF& accentRect = accentOnTop ? front : back;
    const QRectF& plainRect = accentOnTop ? back : front;
    auto drawAccent = [&] {
        p.setPen(outline(accentDark));
        p.setBrush(accent);
        p.drawRect(accentRect);
    };
    auto drawPlain = [&] {
        p.setPen(outline(ink));
        p.setBrush(primaryLight);
        p.drawRect(plainRect);
    };
    if (accentOnTop) {
        drawPlain();
        drawAccent();
    } else {
        drawAccent();
        drawPlain();
    }
}

void sendBackward(QPainter& p)
{
    stackedSquares(p, false);
    p.setPen(outline(ink, 2));
    p.drawLine(QPointF(25.5, 3), QPointF(25.5, 8));
    drawArrowHead(p, QPointF(25.5, 11.5), false, 3.5, 4.5, ink);
}

void bringForward(QPainter& p)
{
    stackedSquares(p, true);
    p.setPen(outline(ink, 2));
    p.drawLine(QPointF(25.5, 9), QPointF(25.5, 5));
    drawArrowHead(p, QPointF(25.5, 1.5), true, 3.5, 4.5, ink);
}

void logo(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(primary);
    p.drawRoundedRect(QRectF(2, 2, 60, 30), 12, 12);
    p.drawRect(QRectF(2, 20, 60, 12));
    drawPage(p, 15.5, 9.5, 48.5, 54.5, 9);
    p.setPen(outline(shade, 2.5));
    p.drawLine(QPointF(21, 18), QPointF(35, 18));
    p.drawLine(QPointF(21, 46), QPointF(43, 46));
    p.drawLine(QPointF(21, 50.5), QPointF(37, 50.5));
    const QPointF top(32, 23), left(22, 28), right(42, 28), centre(32, 33);
    const QPointF bottomLeft(22, 38.5), bottomRight(42, 38.5), bottom(32, 43.5);
    p.setPen(outline(accentDark, 1.2));
    p.setBrush(accent.lighter(130));
    p.drawPolygon(QVector<QPointF>{top, right, centre, left});
    p.setBrush(accent);
    p.drawPolygon(QVector<QPointF>{left, centre, bottom, bottomLeft});
    p.setBrush(accentDark);
    p.drawPolygon(QVector<QPointF>{centre, right, bottomRight, bottom});
}

void plus(QPainter& p)
{
    p.setPen(outline(primary, 5));
    p.drawLine(QPointF(16, 7), QPointF(16, 25));
    p.drawLine(QPointF(7, 16), QPointF(25, 16));
}

void minus(QPainter& p)
{
    p.setPen(outline(accentDark, 5));
    p.drawLine(QPointF(7, 16), QPointF(25, 16));
}

void moveArrow(QPainter& p, bool up)
{
    const double direction = up ? 1 : -1;
    p.setPen(outline(primary, 4));
    p.drawLine(QPointF(16, 16 - direction * 2), QPointF(16, 16 + direction * 10));
    drawArrowHead(p, QPointF(16, 16 - direction * 11), up, 8, 10, primary);
}

void cancel(QPainter& p)
{
    p.setPen(outline(danger, 5));
    p.drawLine(QPointF(9, 9), QPointF(23, 23));
    p.drawLine(QPointF(23, 9), QPointF(9, 23));
}

void edit(QPainter& p)
{
    QPolygonF pencil;
    pencil << QPointF(6, 26) << QPointF(7.5, 20) << QPointF(21.5, 6) << QPointF(26, 10.5) << QPointF(12, 24.5);
    p.setPen(outline(ink, 1.4));
    p.setBrush(accent);
    p.drawPolygon(pencil);
    p.drawLine(QPointF(7.5, 20), QPointF(12, 24.5));
    p.setBrush(primaryLight);
    p.drawPolygon(QVector<QPointF>{QPointF(18.5, 9), QPointF(21.5, 6), QPointF(26, 10.5), QPointF(23, 13.5)});
}

struct Icon
{
    QString fileName;
    int size;       // in drawing units
    std::vector<int> scales;
    std::function<void(QPainter&)> draw;
};

bool writeIcon(const QDir& folder, const Icon& icon, int scale)
{
    QImage image(icon.size * scale, icon.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        icon.draw(painter);
    }
    QString name = icon.fileName;
    if (scale > 1 && icon.scales.size() > 1)
        name.replace(QStringLiteral(".png"), QStringLiteral("@%1x.png").arg(scale));
    return image.save(folder.filePath(name), "PNG");
}

/// The application icon as the desktop's icon theme takes it: hicolor/NxN/apps/korvex-designer.png.
bool writeThemeIcons(const QDir& folder)
{
    bool written = true;
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral("hicolor/%1x%1/apps").arg(side);
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(side / 64.0, side / 64.0);
            logo(painter);
        }
        written = folder.mkpath(path) && image.save(folder.filePath(path + QStringLiteral("/korvex-designer.png")), "PNG")
                  && written;
    }
    return written;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    const QDir folder(arguments.value(1, QDir::currentPath()));
    const std::vector<int> both{1, 2};
    const std::vector<Icon> icons{
        {QStringLiteral("newfile_icon.png"), 32, both, newFile},
        {QStringLiteral("folderopen_icon.png"), 32, both, openFolder},
        {QStringLiteral("filesave_icon.png"), 32, both, saveFile},
        {QStringLiteral("mouse_Pointer.png"), 32, both, pointer},
        {QStringLiteral("LineIcon.png"), 32, both, line},
        {QStringLiteral("RectIcon.png"), 32, both, rectangle},
        {QStringLiteral("3dAreaIcon.png"), 32, both, area3D},
        {QStringLiteral("LableIcon.png"), 32, both, label},
        {QStringLiteral("ImageIcon.png"), 32, both, image},
        {QStringLiteral("formTextBox.png"), 32, both, formTextBox},
        {QStringLiteral("send_backward.png"), 32, both, sendBackward},
        {QStringLiteral("send_foreward.png"), 32, both, bringForward},
        {QStringLiteral("KorvexDesigner.png"), 64, {2}, logo},
        {QStringLiteral("bold.png"), 32, both, boldStyle},
        {QStringLiteral("italic.png"), 32, both, italicStyle},
        {QStringLiteral("underline.png"), 32, both, underlineStyle},
        {QStringLiteral("plus.png"), 32, both, plus},
        {QStringLiteral("minus.png"), 32, both, minus},
        {QStringLiteral("up.png"), 32, both, [](QPainter& p) { moveArrow(p, true); }},
        {QStringLiteral("down.png"), 32, both, [](QPainter& p) { moveArrow(p, false); }},
        {QStringLiteral("ActionCancel.png"), 32, both, cancel},
        {QStringLiteral("edit.png"), 32, both, edit},
    };
    QTextStream out(stdout);
    int failures = 0;
    for (const Icon& icon : icons) {
        for (int scale : icon.scales) {
            if (!writeIcon(folder, icon, scale)) {
                out << "cannot write " << icon.fileName << '\n';
                ++failures;
            }
        }
    }
    if (!writeThemeIcons(folder)) {
        out << "cannot write the theme icons\n";
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
