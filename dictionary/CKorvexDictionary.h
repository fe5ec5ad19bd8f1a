#pragma once

#include "core/CKorvexString.h"

#include <QMap>
#include <QString>

class CKorvexDictionaryCache;
class QByteArray;
class QSettings;
class QWidget;

/// The user's dictionary of named texts: one process-wide map kept in the settings store,
/// looked up without regard to case, and exported to and imported from dictionary files.
/// Lookups answer from memory; the store is read again only after it changed.
class CKorvexDictionary
{
public:
    using DictionaryMap = QMap<Korvex::CKorvexString, Korvex::CKorvexString>;

    /// Reads the settings store (writing the first-run entries when due) into the current
    /// dictionary and returns a copy of it.
    static DictionaryMap LoadDictionary();
    static void LoadDictionary(DictionaryMap& dictionary);
    /// Makes the map the current dictionary and replaces the stored entries with it.
    static void SaveDictionary(const DictionaryMap& dictionary);

    static bool HasDictionaryKey(const Korvex::CKorvexString& key);
    static bool HasDictionaryKey(const QString& key);
    /// The value of the first entry whose key matches ignoring case, or empty.
    static Korvex::CKorvexString DictionaryValue(const Korvex::CKorvexString& key);
    static QString DictionaryValue(const QString& key);
    /// The stored form of a key that matches ignoring case, or the key itself.
    static Korvex::CKorvexString StoredDictionaryKey(const Korvex::CKorvexString& key);
    static QString StoredDictionaryKey(const QString& key);
    static void RemoveDictionaryKey(const Korvex::CKorvexString& key);
    static void RemoveDictionaryKey(const QString& key);
    /// Sets the entry under the stored form of the key, adding it when new.
    static void SetDictionaryValue(const Korvex::CKorvexString& key, const Korvex::CKorvexString& value);
    static void SetDictionaryValue(const QString& key, const QString& value);

    /// Replaces the dictionary with the file's entries; tells the user when it cannot be read.
    static bool ReadDictionaryFile(const QString& path, QWidget* parent = nullptr);
    /// Writes the map as a dictionary file; tells the user when it cannot be written.
    static bool WriteDictionaryFile(const QString& path, const DictionaryMap& dictionary,
                                    QWidget* parent = nullptr);

    /// The file text: key and value lines, each ended by a line feed, in map order.
    static QByteArray dictionaryText(const DictionaryMap& dictionary);
    /// The entries of a file text, taken as key and value line pairs.
    static DictionaryMap parseDictionaryText(const QByteArray& text);

    /// The settings key that stores an entry, and back.
    static QString settingsKey(const Korvex::CKorvexString& key);
    static Korvex::CKorvexString dictionaryKey(const QString& settingsKey);

private:
    static CKorvexDictionaryCache& cache();
    /// Reads the store again when it changed since memory last matched it.
    static void ensureCurrent();
    static void readStore(QSettings& settings);
    static DictionaryMap defaultEntries();
};
