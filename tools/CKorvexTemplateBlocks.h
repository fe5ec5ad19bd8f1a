#pragma once

#include "io/CKorvexDesignerProperty.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

/// A template text cut into records the way the scene's item builder receives them, with the
/// raw lines of each record kept for inspection.
class CKorvexTemplateBlocks
{
public:
    struct Record
    {
        int number = 0;              ///< 1-based, in the order the builder receives them
        bool isBlock = false;        ///< false for a stray line, given to the builder as an empty record
        QStringList lines;           ///< the lines between "item begin" and "item end", or the stray line
        CKorvexDesignerProperty record;

        QString type() const;
        /// "item 3 (rect)", or "item 3" without a type.
        QString name() const;
    };

    /// Reads the text file as the template reader does; false when it cannot be opened.
    bool load(const QString& textPath);
    /// Cuts kept lines (header lines already dropped) into records.
    void cut(const QStringList& keptLines);

    const QList<Record>& records() const { return m_records; }
    std::optional<unsigned> version() const { return m_version; }
    int keptLineCount() const { return m_keptLineCount; }
    /// False when the text broke one of the reader's bounds; the records are then incomplete.
    bool withinBounds() const { return m_withinBounds; }

    /// A text fit for one message line: quoted, control characters shown as "?", long texts cut.
    static QString quoted(const QString& text);

    /// Why the item builder refuses these lines, or empty when every record builds.
    QString readFailure() const;

private:
    QList<Record> m_records;
    std::optional<unsigned> m_version;
    int m_keptLineCount = 0;
    bool m_withinBounds = true;
};
