#pragma once

#include "actions/CKorvexActionEnabled.h"
#include "scene/CKorvexDesignerRect.h"

#include <QImage>
#include <QString>

/// A picture on the page, from a file, a dictionary entry or a scene state; the logo stands in.
class CKorvexDesignerImage : public CKorvexDesignerRect, public CKorvexActionEnabled
{
public:
    enum { Type = CKorvexItemTypeIds::Image };
    enum ImageSource { SourceFile = 0, SourceDictionary = 1, SourceSceneState = 2 };
    enum SceneStateChoice { ByName = 0, ByIndex = 1 };

    static QString logoPath();
    /// The picture shown where an item has none of its own.
    static QImage logo();

    explicit CKorvexDesignerImage(QGraphicsItem* parent = nullptr);

    int type() const override;
    CKorvexItemKind kind() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    void endResize() override;
    /// Reads with the version of the template being read (10234 when none).
    bool ActionFromString(const QString& text) override;

    int sceneStateChoice() const;
    void setSceneStateChoice(int choice);
    QString sceneStateName() const;
    void setSceneStateName(const QString& name);
    int sceneStateIndex() const;
    void setSceneStateIndex(int index);
    bool scaleToFit() const;
    void setScaleToFit(bool on);
    bool keepAspectRatio() const;
    void setKeepAspectRatio(bool on);
    QString dictionaryKey() const;
    /// Stores the key and loads the picture named by the dictionary's value for it, when any.
    void setDictionaryKey(const QString& key);
    int imageSource() const;
    void setImageSource(int source);
    QString path() const;
    /// Loads the file picture; a file that does not load leaves none.
    void setPath(const QString& path);
    QString url() const;
    /// Also the tool tip.
    void setUrl(const QString& url);

    /// The file or the dictionary supplies a picture (the logo does not count).
    bool hasPicture() const;
    QImage filePicture() const;
    QImage fallbackPicture() const;
    /// Loads the file and dictionary pictures again.
    void reloadPictures();

protected:
    /// The file picture at the item's size when one is loaded, else the fallback picture.
    void drawOwnPicture(QPainter* painter) const;

private:
    void preparePictures();
    QImage fitDictionaryPicture() const;
    void paintFallback(QPainter* painter, bool outlined) const;
    /// The file picture at the item's size; null when none fits.
    QImage scaledFilePicture() const;
    /// The size the file picture is drawn scaled to, or an empty size when it is drawn unscaled.
    QSize scaledSize() const;
    /// Scales the file pictures of every image item a view of the scene shows, on every core.
    static void scaleShownPictures(QGraphicsScene* scene);

    int m_sceneStateChoice = ByName;
    QString m_sceneStateName;
    int m_sceneStateIndex = 0;
    bool m_scaleToFit = true;
    bool m_keepAspectRatio = false;
    QString m_dictionaryKey;
    int m_imageSource = SourceFile;
    bool m_hasFilePicture = false;
    QImage m_fallbackPicture;
    QImage m_dictionaryPicture;
    QString m_path;
    QImage m_filePicture;
    QImage m_fittedPicture;
    // What the fitted copy was made from and for: the dictionary picture's cache key, the size
    // and the aspect rule.
    qint64 m_fittedFrom = 0;
    QSizeF m_fittedFor;
    bool m_fittedKeepingAspect = false;
    QString m_url;
};
