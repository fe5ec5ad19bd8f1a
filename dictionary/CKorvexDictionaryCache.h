#pragma once

#include "core/CKorvexFileState.h"
#include "core/CKorvexString.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>

/// The dictionary held in memory: its entries, an index that finds a key ignoring case, and
/// what is known of the store contents they were read from or written to.
class CKorvexDictionaryCache
{
public:
    using DictionaryMap = QMap<Korvex::CKorvexString, Korvex::CKorvexString>;

    /// One entry as lookups return it.
    struct Entry
    {
        QString key;
        QString value;
    };

    bool isLoaded() const { return m_loaded; }
    const DictionaryMap& entries() const { return m_entries; }
    void setEntries(const DictionaryMap& entries);

    /// The first entry in map order whose key equals key ignoring case, or null.
    const Entry* find(const QString& key) const;

    /// The revision marker of the store contents the entries match.
    QString revision() const { return m_revision; }
    void setRevision(const QString& revision) { m_revision = revision; }

    /// Remembers the store file as it is now; call before reading it, so that a write that
    /// lands during the read still counts as a change.
    void stampStoreFile(const QString& path);
    /// Forgets the file's state, so that the next check reads the store's marker.
    void forgetStoreFile();
    /// True while the store file has the size and time it had when stamped.
    bool storeFileUnchanged() const;
    /// Whether the store file read with an error.
    bool isStoreDamaged() const { return m_storeDamaged; }
    void setStoreDamaged(bool damaged) { m_storeDamaged = damaged; }

    /// Key text folded as QString's case-insensitive comparison folds it, code point by code point.
    static QString foldedKey(const QString& key);

private:
    DictionaryMap m_entries;
    QHash<QString, Entry> m_index;
    bool m_loaded = false;
    QString m_revision;

    QString m_storePath;
    Korvex::CKorvexFileState m_storeState;
    bool m_storeDamaged = false;
};
