#include "dictionary/CKorvexDictionaryCache.h"

#include <QFile>


using Korvex::toQString;

void CKorvexDictionaryCache::setEntries(const DictionaryMap& entries)
{
    m_entries = entries;
    m_index.clear();
    m_index.reserve(entries.size());
    for (auto entry = entries.constBegin(); entry != entries.constEnd(); ++entry) {
        const QString key = toQString(entry.key());
        const QString folded = foldedKey(key);
        // The first key in map order answers for every key that equals it ignoring case.
        if (!m_index.contains(folded))
            m_index.insert(folded, Entry{key, toQString(entry.value())});
    }
    m_loaded = true;
}

const CKorvexDictionaryCache::Entry* CKorvexDictionaryCache::find(const QString& key) const
{
    const auto found = m_index.constFind(foldedKey(key));
    return found == m_index.constEnd() ? nullptr : &found.value();
}

void CKorvexDictionaryCache::stampStoreFile(const QString& path)
{
    m_storePath = path;
    m_storeState = Korvex::CKorvexFileState::of(m_storePath);
}

void CKorvexDictionaryCache::forgetStoreFile()
{
    m_storePath.clear();
}

bool CKorvexDictionaryCache::storeFileUnchanged() const
{
    return !m_storePath.isEmpty() && Korvex::CKorvexFileState::of(m_storePath) == m_storeState;
}

QString CKorvexDictionaryCache::foldedKey(const QString& key)
{
    // One code point at a time, as QString::compare with Qt::CaseInsensitive folds; folding the
    // whole text may expand a character into several, which compare never does.
    QString folded;
    folded.reserve(key.size());
    const int length = key.size();
    for (int index = 0; index < length; ++index) {
        const QChar unit = key.at(index);
        if (unit.isHighSurrogate() && index + 1 < length && key.at(index + 1).isLowSurrogate()) {
            const uint codePoint = QChar::surrogateToUcs4(unit, key.at(index + 1));
            const uint lower = QChar::toCaseFolded(codePoint);
            if (QChar::requiresSurrogates(lower)) {
                folded += QChar(QChar::highSurrogate(lower));
                folded += QChar(QChar::lowSurrogate(lower));
            } else {
                folded += QChar(lower);
            }
            ++index;
        } else {
            folded += unit.toCaseFolded();
        }
    }
    return folded;
}
