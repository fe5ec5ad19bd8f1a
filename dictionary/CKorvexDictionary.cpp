#include "dictionary/CKorvexDictionary.h"

#include "services/CKorvexProductInfo.h"
#include "services/CKorvexPrompt.h"

#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QUrl>

#include <memory>

using Korvex::CKorvexString;
using Korvex::fromQString;
using Korvex::toQString;

namespace {

const QString flagGroup = QStringLiteral("DrolvanDictionaryFlag");
const QString firstTimeKey = QStringLiteral("IsFirstTime");
const QString entriesGroup = QStringLiteral("DrolvanDictionary");
const QChar encodedMark = QLatin1Char('%');
// A dictionary is a short table of texts; a larger file is not one.
constexpr qint64 maxFileBytes = qint64(64) << 20;
const QByteArray byteOrderMark("\xEF\xBB\xBF");

QString textOf(const QByteArray& utf8)
{
    return Korvex::textFromUtf8(utf8.constData(), utf8.size());
}

void writeEntries(QSettings& settings, const CKorvexDictionary::DictionaryMap& dictionary)
{
    settings.beginGroup(entriesGroup);
    settings.remove(QString());
    for (auto entry = dictionary.constBegin(); entry != dictionary.constEnd(); ++entry)
        settings.setValue(CKorvexDictionary::settingsKey(entry.key()), toQString(entry.value()));
    settings.endGroup();
    // Entries saved before any load are the user's: a later first-run load must not replace them.
    settings.beginGroup(flagGroup);
    settings.setValue(firstTimeKey, 0);
    settings.endGroup();
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

CKorvexDictionary::DictionaryMap& CKorvexDictionary::current()
{
    static DictionaryMap dictionary;
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
    current().clear();
    const std::unique_ptr<QSettings> settings = CKorvexProductInfo::openSettings();
    settings->beginGroup(flagGroup);
    const QVariant firstTime = settings->value(firstTimeKey);
    settings->endGroup();
    if (!firstTime.isValid() || firstTime.toInt() == 1)
        writeEntries(*settings, defaultEntries());
    settings->beginGroup(entriesGroup);
    const QStringList keys = settings->allKeys();
    for (const QString& key : keys)
        current().insert(dictionaryKey(key), fromQString(storedText(settings->value(key))));
    settings->endGroup();
    dictionary = current();
}

void CKorvexDictionary::SaveDictionary(const DictionaryMap& dictionary)
{
    current() = dictionary;
    const std::unique_ptr<QSettings> settings = CKorvexProductInfo::openSettings();
    writeEntries(*settings, dictionary);
}

const CKorvexString* CKorvexDictionary::findKey(const DictionaryMap& dictionary, const CKorvexString& key)
{
    const QString wanted = toQString(key);
    for (auto entry = dictionary.constBegin(); entry != dictionary.constEnd(); ++entry) {
        if (QString::compare(toQString(entry.key()), wanted, Qt::CaseInsensitive) == 0)
            return &entry.key();
    }
    return nullptr;
}

bool CKorvexDictionary::HasDictionaryKey(const CKorvexString& key)
{
    return findKey(LoadDictionary(), key) != nullptr;
}

bool CKorvexDictionary::HasDictionaryKey(const QString& key)
{
    return HasDictionaryKey(fromQString(key));
}

CKorvexString CKorvexDictionary::DictionaryValue(const CKorvexString& key)
{
    const DictionaryMap dictionary = LoadDictionary();
    const CKorvexString* stored = findKey(dictionary, key);
    return stored ? dictionary.value(*stored) : CKorvexString();
}

QString CKorvexDictionary::DictionaryValue(const QString& key)
{
    return toQString(DictionaryValue(fromQString(key)));
}

CKorvexString CKorvexDictionary::StoredDictionaryKey(const CKorvexString& key)
{
    const DictionaryMap dictionary = LoadDictionary();
    const CKorvexString* stored = findKey(dictionary, key);
    return stored ? *stored : key;
}

QString CKorvexDictionary::StoredDictionaryKey(const QString& key)
{
    return toQString(StoredDictionaryKey(fromQString(key)));
}

void CKorvexDictionary::RemoveDictionaryKey(const CKorvexString& key)
{
    if (!HasDictionaryKey(key))
        return;
    DictionaryMap dictionary = LoadDictionary();
    dictionary.remove(StoredDictionaryKey(key));
    SaveDictionary(dictionary);
}

void CKorvexDictionary::RemoveDictionaryKey(const QString& key)
{
    RemoveDictionaryKey(fromQString(key));
}

void CKorvexDictionary::SetDictionaryValue(const CKorvexString& key, const CKorvexString& value)
{
    DictionaryMap dictionary = LoadDictionary();
    dictionary.insert(StoredDictionaryKey(key), value);
    SaveDictionary(dictionary);
}

void CKorvexDictionary::SetDictionaryValue(const QString& key, const QString& value)
{
    SetDictionaryValue(fromQString(key), fromQString(value));
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
