#include "properties/CKorvexFontCatalog.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <algorithm>
#include <climits>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

enum Style { Normal = 0, Bold = 1, Italic = 2, BoldItalic = 3 };

/// The best file seen so far for one style of a family.
struct Candidate
{
    QString file;
    int score = INT_MAX;
};

struct FamilyFiles
{
    QString name;
    Candidate styles[4];
};

QString patternText(FcPattern* pattern, const char* object, int index = 0)
{
    FcChar8* value = nullptr;
    return FcPatternGetString(pattern, object, index, &value) == FcResultMatch
               ? QString::fromUtf8(reinterpret_cast<const char*>(value))
               : QString();
}

int patternNumber(FcPattern* pattern, const char* object, int fallback)
{
    int value = fallback;
    return FcPatternGetInteger(pattern, object, 0, &value) == FcResultMatch ? value : fallback;
}

// Outline formats first: the font database and the coverage test read them best.
int formatPenalty(const QString& file)
{
    static const QStringList outlines{QStringLiteral("ttf"), QStringLiteral("otf"), QStringLiteral("ttc"),
                                      QStringLiteral("otc")};
    return outlines.contains(QFileInfo(file).suffix().toLower()) ? 0 : 1000;
}

void offer(FamilyFiles& family, FcPattern* pattern)
{
    const QString file = patternText(pattern, FC_FILE);
    const int weight = patternNumber(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    const bool bold = weight >= FC_WEIGHT_DEMIBOLD;
    const bool italic = patternNumber(pattern, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
    const Style style = bold ? (italic ? BoldItalic : Bold) : (italic ? Italic : Normal);
    const int score = formatPenalty(file) + qAbs(weight - (bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR));
    Candidate& slot = family.styles[style];
    if (!file.isEmpty() && score < slot.score)
        slot = Candidate{file, score};
}

Korvex::CKorvexFont toRecord(const FamilyFiles& family)
{
    QString normal = family.styles[Normal].file;
    // A family with no upright regular face still needs a file to stand for it.
    for (int style = Bold; normal.isEmpty() && style <= BoldItalic; ++style)
        normal = family.styles[style].file;
    Korvex::CKorvexFont record(Korvex::fromQString(family.name), Korvex::fromQString(normal));
    record.SetBoldFile(Korvex::fromQString(family.styles[Bold].file));
    record.SetItalicFile(Korvex::fromQString(family.styles[Italic].file));
    record.SetBoldItalicFile(Korvex::fromQString(family.styles[BoldItalic].file));
    return record;
}

FcPattern* substitutedPattern(const QString& family)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    return pattern;
}

} // namespace

CKorvexFontCatalog::CKorvexFontCatalog() = default;

CKorvexFontCatalog::~CKorvexFontCatalog()
{
    for (FT_Face face : qAsConst(m_faces)) {
        if (face)
            FT_Done_Face(face);
    }
    if (m_library)
        FT_Done_FreeType(m_library);
}

QList<Korvex::CKorvexFont> CKorvexFontCatalog::systemFonts()
{
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_WEIGHT, FC_SLANT, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    QMap<QString, FamilyFiles> families; // keyed by lower-case name: one record per family, in name order
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        const QString name = patternText(fonts->fonts[i], FC_FAMILY);
        if (name.isEmpty())
            continue;
        FamilyFiles& family = families[name.toLower()];
        if (family.name.isEmpty())
            family.name = name;
        offer(family, fonts->fonts[i]);
    }
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    QList<Korvex::CKorvexFont> records;
    for (const FamilyFiles& family : qAsConst(families))
        records.append(toRecord(family));
    return records;
}

void CKorvexFontCatalog::load()
{
    const QList<Korvex::CKorvexFont> fonts = systemFonts();
    for (int position = 0; position < fonts.size(); ++position) {
        const QString name = Korvex::toQString(fonts.at(position).GetFontName());
        const QString file = Korvex::toQString(fonts.at(position).GetNormalFile());
        if (QFontDatabase::addApplicationFont(file) < 0)
            continue;
        m_families.append(name);
        m_familyIndex.insert(name, position);
        m_files.insert(name.toLower(), file);
    }
}

int CKorvexFontCatalog::familyIndex(const QString& family) const
{
    return m_familyIndex.value(listedFamily(family), -1);
}

QString CKorvexFontCatalog::listedFamily(const QString& family) const
{
    const auto found = std::find_if(m_families.cbegin(), m_families.cend(), [&family](const QString& listed) {
        return listed.compare(family, Qt::CaseInsensitive) == 0;
    });
    return found == m_families.cend() ? QString() : *found;
}

QStringList CKorvexFontCatalog::standInsFor(const QString& family)
{
    FcPattern* pattern = substitutedPattern(family);
    QStringList result;
    FcPatternIter iterator;
    FcPatternIterStart(pattern, &iterator);
    do {
        const char* object = FcPatternIterGetObject(pattern, &iterator);
        if (!object || qstrcmp(object, FC_FAMILY) != 0)
            continue;
        // Aliases bind strongly; the weak ones are the generic fallback every unknown family gets.
        const int count = FcPatternIterValueCount(pattern, &iterator);
        for (int index = 0; index < count; ++index) {
            FcValue value;
            FcValueBinding binding = FcValueBindingWeak;
            if (FcPatternIterGetValue(pattern, &iterator, index, &value, &binding) == FcResultMatch
                && value.type == FcTypeString && binding != FcValueBindingWeak)
                result.append(QString::fromUtf8(reinterpret_cast<const char*>(value.u.s)));
        }
    } while (FcPatternIterNext(pattern, &iterator));
    FcPatternDestroy(pattern);
    return result;
}

QString CKorvexFontCatalog::defaultFamily() const
{
    for (const QString& wanted : {QStringLiteral("Arial Unicode MS"), QStringLiteral("Arial")}) {
        const QStringList candidates = standInsFor(wanted);
        for (const QString& candidate : candidates) {
            const QString listed = listedFamily(candidate);
            if (!listed.isEmpty())
                return listed;
        }
    }
    return QString();
}

QString CKorvexFontCatalog::fontFile(const QString& family) const
{
    const QString own = m_files.value(family.toLower());
    if (!own.isEmpty())
        return own;
    FcPattern* pattern = substitutedPattern(family);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    const QString file = match ? patternText(match, FC_FILE) : QString();
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return file;
}

FT_Face CKorvexFontCatalog::face(const QString& family)
{
    const auto cached = m_faces.constFind(family);
    if (cached != m_faces.constEnd())
        return *cached;
    if (!m_library && FT_Init_FreeType(&m_library) != 0)
        m_library = nullptr;
    FT_Face opened = nullptr;
    const QByteArray file = fontFile(family).toLocal8Bit();
    if (!m_library || file.isEmpty() || FT_New_Face(m_library, file.constData(), 0, &opened) != 0)
        opened = nullptr;
    m_faces.insert(family, opened);
    return opened;
}

bool CKorvexFontCatalog::covers(QChar unit, const QString& family)
{
    if (unit == QLatin1Char('\t'))
        return true;
    FT_Face font = face(family);
    return !font || FT_Get_Char_Index(font, unit.unicode()) != 0;
}
