#include "tools/CKorvexTemplateChecker.h"

#include "actions/CKorvexActionEnabled.h"
#include "dictionary/CKorvexDictionary.h"
#include "scene/CKorvexItemRecordApplier.h"
#include "io/CKorvexPropertyKeys.h"
#include "io/CKorvexPropertyText.h"
#include "tools/CKorvexValueCheck.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace P = CKorvexPropertyKeys;

namespace {

QString warning(const CKorvexTemplateBlocks::Record& entry, const QString& text)
{
    return QStringLiteral("warning: %1: %2").arg(entry.name(), text);
}

QString quoted(const QString& text)
{
    return CKorvexTemplateBlocks::quoted(text);
}

bool isLabelKind(const QString& type)
{
    return type == CKorvexItemTypes::Label || type == CKorvexItemTypes::Text || type == CKorvexItemTypes::Link;
}

bool isPictureKind(const QString& type)
{
    return type == CKorvexItemTypes::Image || type == CKorvexItemTypes::Screen;
}

} // namespace

CKorvexTemplateChecker::CKorvexTemplateChecker(const CKorvexTemplateBlocks& blocks, const QString& templateFolder)
    : m_blocks(blocks)
    , m_templateFolder(templateFolder)
{
}

QStringList CKorvexTemplateChecker::problems() const
{
    QStringList found;
    for (const CKorvexTemplateBlocks::Record& entry : m_blocks.records()) {
        if (!entry.isBlock)
            continue;
        addLineProblems(entry, found);
        addImageProblems(entry, found);
        addDictionaryProblems(entry, found);
        addActionProblems(entry, found);
    }
    addPageProblems(found);
    return found;
}

void CKorvexTemplateChecker::addLineProblems(const CKorvexTemplateBlocks::Record& entry, QStringList& found) const
{
    QSet<QString> seen;
    for (const QString& line : entry.lines) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0) {
            found << warning(entry, QStringLiteral("line %1 is not a key and a value").arg(quoted(line)));
            continue;
        }
        const QString key = line.left(colon).toLower().trimmed();
        const QString value = line.mid(colon + 1);
        if (!CKorvexPropertyText::isKnownKey(key)) {
            found << warning(entry, QStringLiteral("unknown key %1 is dropped").arg(quoted(key)));
            continue;
        }
        if (seen.contains(key))
            found << warning(entry, QStringLiteral("key %1 is given again; the last value is used").arg(quoted(key)));
        seen.insert(key);
        const QString problem = CKorvexValueCheck::problemOf(key, value);
        if (!problem.isEmpty())
            found << warning(entry, QStringLiteral("value %1 of %2 %3").arg(quoted(value), quoted(key), problem));
    }
}

void CKorvexTemplateChecker::addImageProblems(const CKorvexTemplateBlocks::Record& entry, QStringList& found) const
{
    const QString path = entry.record.value(P::Path).toString();
    if (path.trimmed().isEmpty())
        return;
    if (!QFileInfo(CKorvexItemRecordApplier::resolvePath(path, m_templateFolder)).isFile())
        found << warning(entry, QStringLiteral("image file %1 is missing").arg(quoted(path)));
}

bool CKorvexTemplateChecker::usesDictionary(const CKorvexDesignerProperty& record) const
{
    const QString type = record.value(P::Type).toString();
    const QString dictionary = QStringLiteral("dictionary");
    if (isLabelKind(type))
        return record.value(P::TextSourceType).toString() == dictionary;
    return usesDictionaryPicture(record);
}

bool CKorvexTemplateChecker::usesDictionaryPicture(const CKorvexDesignerProperty& record) const
{
    return isPictureKind(record.value(P::Type).toString())
           && record.value(P::ImageSourceType).toString() == QLatin1String("dictionary");
}

void CKorvexTemplateChecker::addDictionaryProblems(const CKorvexTemplateBlocks::Record& entry,
                                                     QStringList& found) const
{
    if (!usesDictionary(entry.record))
        return;
    const QString key = entry.record.value(P::DictionaryKey).toString();
    if (key.isEmpty()) {
        found << warning(entry, QStringLiteral("takes its value from the dictionary but names no key"));
        return;
    }
    if (!CKorvexDictionary::HasDictionaryKey(key)) {
        found << warning(entry, QStringLiteral("dictionary key %1 is not in the dictionary").arg(quoted(key)));
        return;
    }
    const QString picture = CKorvexDictionary::DictionaryValue(key);
    if (usesDictionaryPicture(entry.record) && !QFileInfo(picture).isFile())
        found << warning(entry, QStringLiteral("image file %1 of dictionary key %2 is missing")
                                    .arg(quoted(picture), quoted(key)));
}

void CKorvexTemplateChecker::addActionProblems(const CKorvexTemplateBlocks::Record& entry, QStringList& found) const
{
    const QString text = entry.record.value(P::Action).toString();
    if (text.isEmpty())
        return;
    CKorvexActionEnabled reader;
    reader.SetActionVersion(m_blocks.version().value_or(Korvex::kKorvexActionVersionLegacy));
    if (!reader.ActionFromString(text))
        found << warning(entry, QStringLiteral("action text does not read with version %1").arg(reader.ActionVersion()));
}

void CKorvexTemplateChecker::addPageProblems(QStringList& found) const
{
    const CKorvexTemplateBlocks::Record* firstArea = nullptr;
    QHash<QString, int> boxNames;
    for (const CKorvexTemplateBlocks::Record& entry : m_blocks.records()) {
        const QString type = entry.type();
        if (type == CKorvexItemTypes::Area3D) {
            if (firstArea)
                found << warning(entry, QStringLiteral("a second 3D area is dropped when read (item %1 is kept)")
                                            .arg(firstArea->number));
            else
                firstArea = &entry;
        }
        if (type != CKorvexItemTypes::FormTextBox)
            continue;
        const QString name = entry.record.value(P::CustomId).toString();
        if (name.isEmpty())
            continue;
        if (boxNames.contains(name))
            found << warning(entry, QStringLiteral("form text box name %1 repeats that of item %2")
                                        .arg(quoted(name), QString::number(boxNames.value(name))));
        else
            boxNames.insert(name, entry.number);
    }
}
