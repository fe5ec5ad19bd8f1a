#pragma once

#include "dictionary/CKorvexDictionary.h"
#include "io/CKorvexDesignerProperty.h"

#include <QList>
#include <QString>

class KorvexBenchPage;

/// Benchmark dictionaries: N entries, the dictionary file that holds them, and pages whose
/// labels and images all take their content from the dictionary of boundEntryCount entries.
class KorvexBenchDictionary
{
public:
    static constexpr int boundEntryCount = 10000;

    /// Picture entries name the page's picture files.
    explicit KorvexBenchDictionary(const KorvexBenchPage& page);

    /// count entries: the first are pictures, the others texts.
    CKorvexDictionary::DictionaryMap entries(int count) const;
    /// Writes the file of entries(count) into folder unless it is there; its path.
    QString writeFile(const QString& folder, int count) const;
    /// The page's own record, then count labels and images in turn on a grid, each bound to an
    /// entry of entries(boundEntryCount).
    QList<CKorvexDesignerProperty> boundRecords(int count) const;
    /// The key of entry index.
    static QString key(int index);

private:
    const KorvexBenchPage& m_page;
};
