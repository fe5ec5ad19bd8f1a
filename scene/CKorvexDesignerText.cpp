#include "scene/CKorvexDesignerText.h"

#include "dictionary/CKorvexDictionary.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerItem.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>

namespace {

// Wide enough that no line of a label wraps before its width is fitted to the text.
constexpr double wideLayout = 99999;

} // namespace

CKorvexDesignerText::CKorvexDesignerText(QGraphicsItem* parent)
    : QGraphicsTextItem(parent)
{
    setFlag(QGraphicsItem::ItemIsSelectable, true);
}

CKorvexDesignerText::~CKorvexDesignerText()
{
    CKorvexDesignerItem::destroyCompanionOf(this);
}

int CKorvexDesignerText::type() const
{
    return Type;
}

bool CKorvexDesignerText::contains(const QPointF& point) const
{
    return !isDeleted() && QRectF(QPointF(0, 0), boundingRect().size()).contains(point);
}

bool CKorvexDesignerText::ActionFromString(const QString& text)
{
    // Actions are read with the version of the template the item's page came from.
    const CKorvexDesignerContext* context = CKorvexDesignerContext::of(scene());
    SetActionVersion(context ? context->actionReadVersion() : Korvex::kKorvexActionVersionLegacy);
    return CKorvexActionEnabled::ActionFromString(text);
}

int CKorvexDesignerText::textSource() const
{
    return m_textSource;
}

void CKorvexDesignerText::setTextSource(int source)
{
    m_textSource = source;
}

QString CKorvexDesignerText::dictionaryKey() const
{
    return m_dictionaryKey;
}

void CKorvexDesignerText::setDictionaryKey(const QString& key)
{
    m_dictionaryKey = key;
}

QString CKorvexDesignerText::storedHtml() const
{
    return m_storedHtml;
}

void CKorvexDesignerText::setStoredHtml(const QString& html)
{
    if (html == m_storedHtml)
        return;
    m_storedHtml = html;
    if (m_textSource != SourceTextEditor)
        return;
    setHtml(html);
    fitWidthToText(1000);
    document()->setDocumentMargin(0);
}

QString CKorvexDesignerText::text() const
{
    return toPlainText();
}

QString CKorvexDesignerText::html() const
{
    return toHtml();
}

QStringList CKorvexDesignerText::fontList() const
{
    return usedFontFamilies(document());
}

QStringList CKorvexDesignerText::usedFontFamilies(const QTextDocument* document)
{
    QStringList families;
    if (!document)
        return families;
    const QString defaultFamily = document->defaultFont().family();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.text().isEmpty())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            families << (format.hasProperty(QTextFormat::FontFamily) ? format.fontFamily() : defaultFamily);
        }
    }
    return families;
}

void CKorvexDesignerText::refreshFromDictionary()
{
    const bool fromDictionary =
        m_textSource == SourceDictionary && CKorvexDictionary::HasDictionaryKey(m_dictionaryKey);
    const QString wanted = fromDictionary ? dictionaryHtml() : m_storedHtml;
    // Undo, paste and every dictionary change refresh whole pages: the same text laid out
    // the same way again would land where it is.
    const ShownText now{wanted, textWidth(), font(), document()->revision()};
    if (!wanted.isEmpty() && now == m_shown && document()->documentMargin() == 0)
        return;
    if (!wanted.isEmpty()) {
        setTextWidth(wideLayout);
        setHtml(wanted);
    }
    document()->setDocumentMargin(0);
    fitWidthToText(wideLayout);
    m_shown = ShownText{wanted, textWidth(), font(), document()->revision()};
}

const QString& CKorvexDesignerText::dictionaryHtml()
{
    // Two documents for every label of every page refresh: made again only when the value or
    // the stored format changed.
    const QString value = CKorvexDictionary::DictionaryValue(m_dictionaryKey);
    if (m_made.valid && m_made.value == value && m_made.storedHtml == m_storedHtml)
        return m_made.html;
    QTextDocument stored;
    stored.setHtml(m_storedHtml);
    QTextCursor storedEnd(&stored);
    storedEnd.movePosition(QTextCursor::End);
    const QTextCharFormat format = storedEnd.charFormat();
    QTextDocument shown;
    shown.setPlainText(value);
    QTextCursor all(&shown);
    all.select(QTextCursor::Document);
    all.setCharFormat(format);
    m_made = MadeHtml{value, m_storedHtml, shown.toHtml(), true};
    return m_made.html;
}

void CKorvexDesignerText::fitWidthToText(double layoutWidth)
{
    // Every new width lays the whole text out again; one already laid out at it needs none.
    if (textWidth() != layoutWidth)
        setTextWidth(layoutWidth);
    // Whole units, rounded up: with fractional glyph advances the integer part would wrap the last word.
    setTextWidth(std::ceil(document()->idealWidth()));
}

void CKorvexDesignerText::focusOutEvent(QFocusEvent* event)
{
    setTextInteractionFlags(Qt::NoTextInteraction);
    emit lostFocus(this);
    QGraphicsTextItem::focusOutEvent(event);
}

QVariant CKorvexDesignerText::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemSelectedHasChanged) {
        keepShapedText(value.toBool());
        emit selectedChange(this);
    }
    return QGraphicsTextItem::itemChange(change, value);
}

void CKorvexDesignerText::keepShapedText(bool keep)
{
    // A selection is drawn again on every pointer movement that drags it: its lines keep their
    // shaped glyphs meanwhile instead of shaping them for every drawing.
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (QTextLayout* layout = block.layout())
            layout->setCacheEnabled(keep);
    }
}
