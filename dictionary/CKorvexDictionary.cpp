#include "dictionary/CKorvexDictionary.h"

#include "dictionary/CKorvexDictionaryCache.h"
#include "services/CKorvexProductInfo.h"
#include "services/CKorvexPrompt.h"

#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QUrl>
#include <QUuid>

#include <memory>

using Korvex::CKorvexString;
using Korvex::fromQString;
using Korvex::toQString;

namespace {

const QString flagGroup = QStringLiteral("DrolvanDictionaryFlag");
const QString firstTimeKey = QStringLiteral("IsFirstTime");
const QString revisionKey = QStringLiteral("Revision");
const QString entriesGroup = QStringLiteral("DrolvanDictionary");
const QChar encodedMark = QLatin1Char('%');
// A dictionary is a short table of texts; a larger file is not one.
constexpr qint64 maxFileBytes = qint64(64) << 20;
const QByteArray byteOrderMark("\xEF\xBB\xBF");

QString textOf(const QByteArray& utf8)
{
    return Korvex::textFromUtf8(utf8.constData(), utf8.size());
}

// Returns the new revision, a marker that changes with every write from any process.
QString writeEntries(QSettings& settings, const CKorvexDictionary::DictionaryMap& dictionary)
{
    settings.beginGroup(entriesGroup);
    settings.remove(QString());
    for (auto entry = dictionary.constBegin(); entry != dictionary.constEnd(); ++entry)
        settings.setValue(CKorvexDictionary::settingsKey(entry.key()), toQString(entry.value()));
    settings.endGroup();
    // Entries saved before any load are the user's: a later first-run load must not replace them.
    const QString revision = QUuid::createUuid().toString();
    settings.beginGroup(flagGroup);
    settings.setValue(firstTimeKey, 0);
    settings.setValue(revisionKey, revision);
    settings.endGroup();
    return revision;
}

QString storedRevision(QSettings& settings)
{
    return settings.value(flagGroup + QLatin1Char('/') + revisionKey).toString();
}

// The store opened, its file stamped before its contents are trusted: a write that lands while
// it is read then still counts as a change.
std::unique_ptr<QSettings> openStampedStore(CKorvexDictionaryCache& memory)
{
    std::unique_ptr<QSettings> settings = CKorvexProductInfo::openSettings();
    const bool sameFile = memory.storeFileUnchanged();
    memory.stampStoreFile(settings->fileName());
    settings->sync();
    // Qt reports a damaged file only to the reader that parsed it; later readers of the
    // unchanged file share that parse and hear nothing.
    memory.setStoreDamaged(settings->status() != QSettings::NoError || (sameFile && memory.isStoreDamaged()));
    return settings;
}

QString storedText(const QVariant& value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

QString singleLine(const CKorvexString& text)
{
    return toQString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

CKorvexDictionaryCache& CKorvexDictionary::cache()
{
    static CKorvexDictionaryCache dictionary;
    return dictionary;
}

CKorvexDictionary::DictionaryMap CKorvexDictionary::defaultEntries()
{
    DictionaryMap entries;
    entries.insert(CKorvexString("Title"), CKorvexString("Korvex Generated PDF"));
    entries.insert(CKorvexString("Author"), CKorvexString("Korvex"));
    entries.insert(CKorvexString("Subject"), CKorvexString("Korvex 3D Export"));
    return entries;
}

CKorvexDictionary::DictionaryMap CKorvexDictionary::LoadDictionary()
{
    DictionaryMap dictionary;
    LoadDictionary(dictionary);
    return dictionary;
}

void CKorvexDictionary::LoadDictionary(DictionaryMap& dictionary)
{
    const std::unique_ptr<QSettings> settings = openStampedStore(cache());
    readStore(*settings);
    dictionary = cache().entries();
}

void CKorvexDictionary::readStore(QSettings& settings)
{
    // A damaged store keeps the entries already in memory and is never overwritten with the
    // first-run entries; on the first read, what it still yields is the dictionary.
    const bool damaged = cache().isStoreDamaged();
    if (damaged && cache().isLoaded())
        return;
    settings.beginGroup(flagGroup);
    const QVariant firstTime = settings.value(firstTimeKey);
    settings.endGroup();
    if (!damaged && (!firstTime.isValid() || firstTime.toInt() == 1))
        writeEntries(settings, defaultEntries());
    DictionaryMap dictionary;
    settings.beginGroup(entriesGroup);
    const QStringList keys = settings.allKeys();
    for (const QString& key : keys)
        dictionary.insert(dictionaryKey(key), fromQString(storedText(settings.value(key))));
    settings.endGroup();
    cache().setEntries(dictionary);
    cache().setRevision(storedRevision(settings));
}

void CKorvexDictionary::ensureCurrent()
{
    CKorvexDictionaryCache& memory = cache();
    if (memory.isLoaded() && memory.storeFileUnchanged())
        return;
    const std::unique_ptr<QSettings> settings = openStampedStore(memory);
    // Other settings share the file: only a new revision means other entries.
    if (memory.isLoaded() && storedRevision(*settings) == memory.revision())
        return;
    readStore(*settings);
}

void CKorvexDictionary::SaveDictionary(const DictionaryMap& dictionary)
{
    CKorvexDictionaryCache& memory = cache();
    memory.setEntries(dictionary);
    const std::unique_ptr<QSettings> settings = CKorvexProductInfo::openSettings();
    memory.setRevision(writeEntries(*settings, dictionary));
    // The file is written whole when the store closes, damage and all replaced; the next lookup
    // confirms it by its revision.
    memory.forgetStoreFile();
    memory.setStoreDamaged(false);
}

bool CKorvexDictionary::HasDictionaryKey(const CKorvexString& key)
{
    return HasDictionaryKey(toQString(key));
}

bool CKorvexDictionary::HasDictionaryKey(const QString& key)
{
    ensureCurrent();
    return cache().find(key) != nullptr;
}

CKorvexString CKorvexDictionary::DictionaryValue(const CKorvexString& key)
{
    return fromQString(DictionaryValue(toQString(key)));
}

QString CKorvexDictionary::DictionaryValue(const QString& key)
{
    ensureCurrent();
    const CKorvexDictionaryCache::Entry* entry = cache().find(key);
    return entry ? entry->value : QString();
}

CKorvexString CKorvexDictionary::StoredDictionaryKey(const CKorvexString& key)
{
    return fromQString(StoredDictionaryKey(toQString(key)));
}

QString CKorvexDictionary::StoredDictionaryKey(const QString& key)
{
    ensureCurrent();
    const CKorvexDictionaryCache::Entry* entry = cache().find(key);
    return entry ? entry->key : key;
}

void CKorvexDictionary::RemoveDictionaryKey(const CKorvexString& key)
{
    RemoveDictionaryKey(toQString(key));
}

void CKorvexDictionary::RemoveDictionaryKey(const QString& key)
{
    if (!HasDictionaryKey(key))
        return;
    DictionaryMap dictionary = cache().entries();
    dictionary.remove(fromQString(StoredDictionaryKey(key)));
    SaveDictionary(dictionary);
}

void CKorvexDictionary::SetDictionaryValue(const CKorvexString& key, const CKorvexString& value)
{
    SetDictionaryValue(toQString(key), toQString(value));
}

void CKorvexDictionary::SetDictionaryValue(const QString& key, const QString& value)
{
    const CKorvexString stored = fromQString(StoredDictionaryKey(key));
    DictionaryMap dictionary = cache().entries();
    dictionary.insert(stored, fromQString(value));
    SaveDictionary(dictionary);
}

bool CKorvexDictionary::ReadDictionaryFile(const QString& path, QWidget* parent)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxFileBytes) {
        CKorvexPrompt::information(parent, QStringLiteral("Open faild"),
                                   QStringLiteral("Unable to open dictionary file"));
        return false;
    }
    const QByteArray text = file.read(qMin<qint64>(file.size(), maxFileBytes) + 1);
    if (file.error() != QFileDevice::NoError || text.size() > maxFileBytes) {
        CKorvexPrompt::information(parent, QStringLiteral("Open faild"),
                                   QStringLiteral("Unable to open dictionary file"));
        return false;
    }
    SaveDictionary(parseDictionaryText(text));
    return true;
}

bool CKorvexDictionary::WriteDictionaryFile(const QString& path, const DictionaryMap& dictionary,
                                            QWidget* parent)
{
    // A failed write leaves an existing file as it was.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(dictionaryText(dictionary)) >= 0
                         && file.commit();
    if (!written)
        CKorvexPrompt::information(parent, QStringLiteral("Save faild"),
                                   QStringLiteral("Unable to save dictionary file"));
    return written;
}

QByteArray CKorvexDictionary::dictionaryText(const DictionaryMap& dictionary)
{
    // A line feed inside a key or value would shift every later pair, so it becomes a space.
    QString text;
    for (auto entry = dictionary.constBegin(); entry != dictionary.constEnd(); ++entry) {
        text += singleLine(entry.key()) + QLatin1Char('\n');
        text += singleLine(entry.value()) + QLatin1Char('\n');
    }
    const QByteArray bytes = text.toUtf8();
    // A first key that starts with U+FEFF would be read as a byte-order mark and lost; a mark in
    // front is what reading drops instead.
    return bytes.startsWith(byteOrderMark) ? byteOrderMark + bytes : bytes;
}

CKorvexDictionary::DictionaryMap CKorvexDictionary::parseDictionaryText(const QByteArray& text)
{
    // Editors add a byte-order mark that the format does not have.
    const QByteArray body = text.startsWith(byteOrderMark) ? text.mid(byteOrderMark.size()) : text;
    const QStringList lines = textOf(body).split(QLatin1Char('\n'));
    DictionaryMap dictionary;
    for (int index = 0; index + 1 < lines.size(); index += 2)
        dictionary.insert(fromQString(lines.at(index)), fromQString(lines.at(index + 1)));
    return dictionary;
}

// QSettings takes "/" (and on some back ends "\") as a group separator, drops leading,
// trailing and doubled ones, and refuses the empty key. Such keys are stored percent-encoded
// behind a leading "%"; a key that starts with "%" is encoded too, so reading is unambiguous.
// Every other key, spaces and non-ASCII text included, is stored under its own name.
QString CKorvexDictionary::settingsKey(const CKorvexString& key)
{
    const QString text = toQString(key);
    const bool plain = !text.isEmpty() && !text.startsWith(encodedMark) && !text.contains(QLatin1Char('/'))
                       && !text.contains(QLatin1Char('\\'));
    if (plain)
        return text;
    return encodedMark + QString::fromLatin1(QUrl::toPercentEncoding(text));
}

CKorvexString CKorvexDictionary::dictionaryKey(const QString& settingsKey)
{
    if (!settingsKey.startsWith(encodedMark))
        return fromQString(settingsKey);
    return fromQString(textOf(QByteArray::fromPercentEncoding(settingsKey.mid(1).toLatin1())));
}
