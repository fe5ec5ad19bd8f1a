#pragma once

#include "core/CKorvexFont.h"

#include <QChar>
#include <QHash>
#include <QList>
#include <QMap>
#include <QStringList>

struct FT_FaceRec_;
struct FT_LibraryRec_;

/// The installed font families, as the font configuration lists them, registered with the
/// application's font database; and whether a family's font has a glyph for a character.
class CKorvexFontCatalog
{
public:
    CKorvexFontCatalog();
    ~CKorvexFontCatalog();
    CKorvexFontCatalog(const CKorvexFontCatalog&) = delete;
    CKorvexFontCatalog& operator=(const CKorvexFontCatalog&) = delete;

    /// One record per installed family, in name order, with the file of each style it has.
    static QList<Korvex::CKorvexFont> systemFonts();

    /// Registers each family's file and lists the families that registered. Runs on the loading
    /// thread while nothing else reads the catalog.
    void load();
    bool isLoaded() const { return !m_families.isEmpty(); }
    const QStringList& families() const { return m_families; }
    /// The family's place in the system font list, or -1.
    int familyIndex(const QString& family) const;
    /// The listed name of a family, found ignoring case, or empty.
    QString listedFamily(const QString& family) const;
    /// "Arial Unicode MS", else "Arial", each by its name or a listed stand-in that the font
    /// configuration names for it; empty when neither is listed.
    QString defaultFamily() const;

    /// False only when the family's font lacks a glyph for the UTF-16 code unit; a tab passes, and
    /// so does every unit of a family whose font cannot be opened.
    bool covers(QChar unit, const QString& family);
    /// The family's normal file: its own when listed, else the file the font configuration picks.
    QString fontFile(const QString& family) const;

private:
    /// The family and the aliases the font configuration names for it, without the generic fallback.
    static QStringList standInsFor(const QString& family);
    FT_FaceRec_* face(const QString& family);

    QStringList m_families;
    QMap<QString, int> m_familyIndex;
    QHash<QString, QString> m_files; // lower-case family -> normal file
    FT_LibraryRec_* m_library = nullptr;
    QHash<QString, FT_FaceRec_*> m_faces;
};
