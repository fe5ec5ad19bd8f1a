#include "scene/CKorvexDesignerImage.h"

#include "dictionary/CKorvexDictionary.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexPictureFiles.h"

#include <QGraphicsView>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>

namespace {

// Larger cached copies would cost more memory than stretching the source when drawing.
constexpr double maximumCachedPixels = 16.0 * 1024 * 1024;

bool cacheableSize(int w, int h)
{
    return w > 0 && h > 0 && double(w) * double(h) <= maximumCachedPixels;
}

} // namespace

QString CKorvexDesignerImage::logoPath()
{
    return QStringLiteral(":/KorvexDesigner/Resources/KorvexDesigner.png");
}

QImage CKorvexDesignerImage::logo()
{
    // Built into the program, so it never changes: every image item shares one, read once.
    static const QImage shared = CKorvexPictureFiles::load(logoPath());
    return shared;
}

CKorvexDesignerImage::CKorvexDesignerImage(QGraphicsItem* parent)
    : CKorvexDesignerRect(parent)
    , m_fallbackPicture(logo())
{
    setAspect(m_fallbackPicture.width(), m_fallbackPicture.height());
}

CKorvexItemKind CKorvexDesignerImage::kind() const
{
    return CKorvexItemKind::Image;
}

int CKorvexDesignerImage::type() const
{
    return Type;
}

void CKorvexDesignerImage::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    const bool selectionShown = isSelected() && CKorvexDesignerContext::showsSelection(scene());
    painter->setPen(selectionShown ? QPen(QColor(0, 0, 15), 1, Qt::DashLine) : pen());
    painter->setBrush(Qt::NoBrush);
    const bool dictionaryPicturePresent = !m_dictionaryPicture.isNull();
    const bool fromDictionary = m_imageSource == SourceDictionary;
    const QRectF area(0, 0, width(), height());
    if (m_hasFilePicture && (!fromDictionary || !dictionaryPicturePresent)) {
        drawOwnPicture(painter);
    } else if (!(fromDictionary && dictionaryPicturePresent)) {
        paintFallback(painter, fromDictionary || m_imageSource == SourceSceneState);
    } else if (m_keepAspectRatio && !m_fittedPicture.isNull()) {
        const QPointF corner((width() - m_fittedPicture.width()) / 2.0, (height() - m_fittedPicture.height()) / 2.0);
        painter->drawImage(corner, m_fittedPicture);
    } else {
        painter->drawImage(area, m_fittedPicture.isNull() ? m_dictionaryPicture : m_fittedPicture);
    }
    if (selectionShown)
        paintSelectionTint(painter);
    painter->restore();
}

void CKorvexDesignerImage::drawOwnPicture(QPainter* painter) const
{
    const QRectF area(0, 0, width(), height());
    if (!m_hasFilePicture) {
        painter->drawImage(area, m_fallbackPicture);
        return;
    }
    // A PDF keeps the picture itself, once for every item showing it, and scales it when shown.
    const bool vector = painter->paintEngine() && painter->paintEngine()->type() == QPaintEngine::Pdf;
    const CKorvexDesignerContext* context = CKorvexDesignerContext::of(scene());
    const bool thumbnail = context && context->isDrawingThumbnail();
    const QImage scaled = vector || thumbnail ? QImage() : scaledFilePicture();
    painter->drawImage(area, scaled.isNull() ? m_filePicture : scaled);
}

QImage CKorvexDesignerImage::scaledFilePicture() const
{
    // Scaled when drawn and kept by the shared cache alone: memory stays bounded however many
    // pictures a page shows, and a picture seen again is usually still there.
    const QSize size = scaledSize();
    if (size.isEmpty())
        return QImage();
    if (!CKorvexPictureFiles::hasScaled(m_filePicture, size)) {
        CKorvexDesignerContext* context = CKorvexDesignerContext::of(scene());
        if (context && context->claimPictureScaling(scene()))
            scaleShownPictures(scene());
    }
    return CKorvexPictureFiles::scaled(m_filePicture, size);
}

QSize CKorvexDesignerImage::scaledSize() const
{
    const int w = wholeUnits(width());
    const int h = wholeUnits(height());
    if (!m_hasFilePicture || !cacheableSize(w, h))
        return QSize();
    return QSize(w, h);
}

void CKorvexDesignerImage::scaleShownPictures(QGraphicsScene* scene)
{
    QVector<CKorvexPictureFiles::ScaleRequest> wanted;
    const auto views = scene->views();
    for (const QGraphicsView* view : views) {
        if (!view->isVisible())
            continue;
        const QRectF shown = view->mapToScene(view->viewport()->rect()).boundingRect();
        const auto items = scene->items(shown, Qt::IntersectsItemBoundingRect);
        for (const QGraphicsItem* item : items) {
            const auto* image = dynamic_cast<const CKorvexDesignerImage*>(item);
            const QSize size = image && image->isVisible() ? image->scaledSize() : QSize();
            if (!size.isEmpty())
                wanted.append({image->m_filePicture, size});
        }
    }
    CKorvexPictureFiles::scaleAll(wanted);
}

void CKorvexDesignerImage::paintFallback(QPainter* painter, bool outlined) const
{
    const QRectF area(0, 0, width(), height());
    if (!m_fallbackPicture.isNull()) {
        painter->drawImage(area, m_fallbackPicture);
        if (outlined)
            painter->drawRect(area);
        return;
    }
    painter->fillRect(area, QColor(255, 255, 225));
    painter->drawRect(area);
    painter->drawLine(area.topLeft(), area.bottomRight());
    painter->drawLine(area.topRight(), area.bottomLeft());
}

void CKorvexDesignerImage::endResize()
{
    CKorvexDesignerRect::endResize();
    preparePictures();
}

bool CKorvexDesignerImage::ActionFromString(const QString& text)
{
    // Actions are read with the version of the template the item's page came from.
    const CKorvexDesignerContext* context = CKorvexDesignerContext::of(scene());
    SetActionVersion(context ? context->actionReadVersion() : Korvex::kKorvexActionVersionLegacy);
    return CKorvexActionEnabled::ActionFromString(text);
}

void CKorvexDesignerImage::preparePictures()
{
    if (m_imageSource != SourceDictionary || m_dictionaryPicture.isNull()) {
        m_fittedPicture = QImage();
        m_fittedFrom = 0;
        return;
    }
    // A page refresh loads every unchanged picture again: its fitted copy still serves.
    const QSizeF size(width(), height());
    if (m_fittedFrom == m_dictionaryPicture.cacheKey() && m_fittedFor == size
        && m_fittedKeepingAspect == m_keepAspectRatio)
        return;
    m_fittedPicture = fitDictionaryPicture();
    m_fittedFrom = m_dictionaryPicture.cacheKey();
    m_fittedFor = size;
    m_fittedKeepingAspect = m_keepAspectRatio;
}

QImage CKorvexDesignerImage::fitDictionaryPicture() const
{
    const double w = width();
    const double h = height();
    QSizeF size(w, h);
    if (m_keepAspectRatio) {
        const double pw = m_dictionaryPicture.width();
        const double ph = m_dictionaryPicture.height();
        const double wFit = pw * h / ph;
        const double hFit = ph * w / pw;
        if (pw < ph)
            size = w >= wFit ? QSizeF(wFit, h) : QSizeF(w, hFit);
        else
            size = h >= hFit ? QSizeF(w, hFit) : QSizeF(wFit, h);
    }
    const int fw = wholeUnits(size.width());
    const int fh = wholeUnits(size.height());
    if (!cacheableSize(fw, fh))
        return QImage();
    return m_dictionaryPicture.scaled(fw, fh, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

int CKorvexDesignerImage::sceneStateChoice() const
{
    return m_sceneStateChoice;
}

void CKorvexDesignerImage::setSceneStateChoice(int choice)
{
    m_sceneStateChoice = choice;
}

QString CKorvexDesignerImage::sceneStateName() const
{
    return m_sceneStateName;
}

void CKorvexDesignerImage::setSceneStateName(const QString& name)
{
    m_sceneStateName = name;
}

int CKorvexDesignerImage::sceneStateIndex() const
{
    return m_sceneStateIndex;
}

void CKorvexDesignerImage::setSceneStateIndex(int index)
{
    m_sceneStateIndex = index;
}

bool CKorvexDesignerImage::scaleToFit() const
{
    return m_scaleToFit;
}

void CKorvexDesignerImage::setScaleToFit(bool on)
{
    m_scaleToFit = on;
}

bool CKorvexDesignerImage::keepAspectRatio() const
{
    return m_keepAspectRatio;
}

void CKorvexDesignerImage::setKeepAspectRatio(bool on)
{
    m_keepAspectRatio = on;
    preparePictures();
    repaint();
}

QString CKorvexDesignerImage::dictionaryKey() const
{
    return m_dictionaryKey;
}

void CKorvexDesignerImage::setDictionaryKey(const QString& key)
{
    m_dictionaryKey = key;
    m_dictionaryPicture = QImage();
    if (!key.isEmpty() && CKorvexDictionary::HasDictionaryKey(key))
        m_dictionaryPicture = CKorvexPictureFiles::load(CKorvexDictionary::DictionaryValue(key));
    preparePictures();
    repaint();
}

int CKorvexDesignerImage::imageSource() const
{
    return m_imageSource;
}

void CKorvexDesignerImage::setImageSource(int source)
{
    m_imageSource = source;
    preparePictures();
    repaint();
}

QString CKorvexDesignerImage::path() const
{
    return m_path;
}

void CKorvexDesignerImage::setPath(const QString& path)
{
    m_path = path;
    m_filePicture = CKorvexPictureFiles::load(path);
    m_hasFilePicture = !m_filePicture.isNull();
    preparePictures();
    repaint();
}

QString CKorvexDesignerImage::url() const
{
    return m_url;
}

void CKorvexDesignerImage::setUrl(const QString& url)
{
    m_url = url;
    setToolTip(url);
}

bool CKorvexDesignerImage::hasPicture() const
{
    return m_hasFilePicture || !m_dictionaryPicture.isNull();
}

QImage CKorvexDesignerImage::filePicture() const
{
    return m_filePicture;
}

QImage CKorvexDesignerImage::fallbackPicture() const
{
    return m_fallbackPicture;
}

void CKorvexDesignerImage::reloadPictures()
{
    setPath(m_path);
    setDictionaryKey(m_dictionaryKey);
}
