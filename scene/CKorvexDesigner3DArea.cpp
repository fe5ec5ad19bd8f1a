#include "scene/CKorvexDesigner3DArea.h"

#include "scene/CKorvexDesignerContext.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace {

// Taller previews are drawn scaled on the fly instead of cached.
constexpr int maximumCachedPreviewHeight = 4096;

QString caption()
{
    return QCoreApplication::translate("CKorvexDesigner3DArea", "3D Area");
}

} // namespace

CKorvexDesigner3DArea::CKorvexDesigner3DArea(QGraphicsItem* parent)
    : CKorvexDesignerImage(parent)
{
}

CKorvexItemKind CKorvexDesigner3DArea::kind() const
{
    return CKorvexItemKind::Area3D;
}

void CKorvexDesigner3DArea::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    const QRectF area(0, 0, width(), height());
    if (!paintPreview(painter)) {
        if (m_mode == ImageMode) {
            drawOwnPicture(painter);
            paintCaptionBox(painter);
        } else {
            painter->fillRect(area, m_mode == SingleColor ? brush() : QBrush(QColor(210, 210, 210, 180)));
            drawCaption(painter, area, caption());
        }
    }
    if (isSelected() && CKorvexDesignerContext::showsSelection(scene()))
        paintSelectionTint(painter);
    painter->restore();
}

bool CKorvexDesigner3DArea::paintPreview(QPainter* painter) const
{
    const CKorvexDesignerContext* context = CKorvexDesignerContext::of(scene());
    if (!context || context->preview3DImage().isNull() || !context->isPreview3DShown())
        return false;
    const QImage& preview = context->preview3DImage();
    const int h = wholeUnits(height());
    if (h <= 0)
        return true;
    painter->setClipRect(QRectF(0, 0, width(), height()), Qt::IntersectClip);
    if (h > maximumCachedPreviewHeight) {
        const double w = preview.width() * double(h) / preview.height();
        painter->drawImage(QRectF((width() - w) / 2.0, 0, w, h), preview);
        return true;
    }
    if (m_previewCacheKey != preview.cacheKey() || m_previewCache.height() != h) {
        m_previewCache = preview.scaledToHeight(h, Qt::SmoothTransformation);
        m_previewCacheKey = preview.cacheKey();
    }
    painter->drawImage(QPointF((width() - m_previewCache.width()) / 2.0, 0), m_previewCache);
    return true;
}

void CKorvexDesigner3DArea::paintCaptionBox(QPainter* painter) const
{
    const QFontMetricsF metrics(captionFont(), painter->device());
    const double padding = 6 * zoomFactor();
    QRectF box(0, 0, metrics.horizontalAdvance(caption()) + 2 * padding, metrics.height() + 2 * padding);
    box.moveCenter(QRectF(0, 0, width(), height()).center());
    painter->fillRect(box, QColor(255, 255, 255, 200));
    drawCaption(painter, box, caption());
}

int CKorvexDesigner3DArea::mode() const
{
    return m_mode;
}

void CKorvexDesigner3DArea::setMode(int mode)
{
    m_mode = mode;
    repaint();
}

QString CKorvexDesigner3DArea::modeWord(int mode)
{
    switch (mode) {
    case Transparent:
        return QCoreApplication::translate("CKorvexDesigner3DArea", "Transparent");
    case SingleColor:
        return QCoreApplication::translate("CKorvexDesigner3DArea", "Single Color");
    case ImageMode:
        return QCoreApplication::translate("CKorvexDesigner3DArea", "Image");
    default:
        return QString();
    }
}

int CKorvexDesigner3DArea::modeFromWord(const QString& word)
{
    for (int mode = Transparent; mode <= ImageMode; ++mode) {
        if (word == modeWord(mode))
            return mode;
    }
    return -1;
}

