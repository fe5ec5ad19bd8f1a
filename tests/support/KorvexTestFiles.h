#pragma once

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>

/// Files that tests write as input: the folders on the way are made first.
namespace KorvexTestFiles {

/// Writes the bytes (text as UTF-8: pass text.toUtf8()) to path; false when any step fails.
bool writeFile(const QString& path, const QByteArray& bytes);

/// Writes a PNG of the size filled with the colour to path; false when any step fails.
bool writePng(const QString& path, const QSize& size = QSize(8, 6), const QColor& color = Qt::red);

} // namespace KorvexTestFiles
