#pragma once

#include "actions/CKorvexActionEnabled.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexItemTypeIds.h"

#include <QFont>
#include <QGraphicsTextItem>
#include <QStringList>

class QTextDocument;

/// Rich text on the page, typed in the text editor or taken from a dictionary entry.
class CKorvexDesignerText : public QGraphicsTextItem, public CKorvexActionEnabled, public CKorvexDeletableItem
{
    Q_OBJECT

public:
    enum { Type = CKorvexItemTypeIds::Text };
    enum TextSource { SourceTextEditor = 0, SourceDictionary = 1 };

    explicit CKorvexDesignerText(QGraphicsItem* parent = nullptr);
    ~CKorvexDesignerText() override;

    int type() const override;
    bool contains(const QPointF& point) const override;
    /// Reads with the version of the template being read (10234 when none).
    bool ActionFromString(const QString& text) override;

    int textSource() const;
    void setTextSource(int source);
    QString dictionaryKey() const;
    void setDictionaryKey(const QString& key);

    /// The HTML given by the text editor or the record; shown at once when the text is typed in.
    QString storedHtml() const;
    void setStoredHtml(const QString& html);
    /// Stores the HTML without showing it; refreshFromDictionary shows it.
    void keepStoredHtml(const QString& html) { m_storedHtml = html; }

    /// Plain text of the shown document.
    QString text() const;
    /// The shown document as HTML.
    QString html() const;
    /// The font family of every text fragment, in document order.
    QStringList fontList() const;
    static QStringList usedFontFamilies(const QTextDocument* document);

    /// Shows the dictionary's text for the key in the stored format, or the stored HTML.
    void refreshFromDictionary();
    /// Makes the item exactly as wide as its longest line, laid out first at layoutWidth.
    void fitWidthToText(double layoutWidth);

signals:
    void lostFocus(CKorvexDesignerText* item);
    void selectedChange(QGraphicsItem* item);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    void keepShapedText(bool keep);
    /// What the last refresh showed; the document's revision tells any change made since.
    struct ShownText
    {
        QString html;
        qreal width = -2;
        QFont font;
        int revision = -1;
        bool operator==(const ShownText& other) const
        {
            return html == other.html && width == other.width && font == other.font && revision == other.revision;
        }
    };

    /// The dictionary value in the stored HTML's format.
    const QString& dictionaryHtml();

    int m_textSource = SourceTextEditor;
    QString m_dictionaryKey;
    QString m_storedHtml;
    ShownText m_shown;
    /// What dictionaryHtml() last made, and from what.
    struct MadeHtml
    {
        QString value;
        QString storedHtml;
        QString html;
        bool valid = false;
    };
    MadeHtml m_made;
};
