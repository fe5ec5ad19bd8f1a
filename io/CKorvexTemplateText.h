#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

class QIODevice;

/// The template text file: two header lines, then the item blocks, every line ended by a line feed.
class CKorvexTemplateText
{
public:
    static const char* headerLine();
    static const char* versionPrefix();
    static constexpr unsigned writtenVersion = 11005;

    /// The whole file: header lines and blocks joined by line feeds, one final line feed, UTF-8.
    static QByteArray compose(const QStringList& blocks);

    // Bounds that no page made by hand comes near; beyond them reading would take minutes.
    static constexpr int maxLineLength = 4 * 1024 * 1024;
    static constexpr qint64 maxTextLength = 64 * 1024 * 1024;
    static constexpr int maxBlocks = 20000;

    struct Parsed
    {
        QStringList keptLines;
        /// The number of the last version line; empty when the text has none.
        std::optional<unsigned> version;
        /// False when the text broke a bound; the other fields are then incomplete.
        bool withinBounds = true;
    };
    /// Reads UTF-8 lines to the end, dropping header lines wherever they stand and in any case.
    static Parsed parse(QIODevice& device);
    /// The number of a version line (0 when it does not parse), or empty for any other line.
    static std::optional<unsigned> versionOfLine(const QString& line);
    static bool isHeaderLine(const QString& line);
};
