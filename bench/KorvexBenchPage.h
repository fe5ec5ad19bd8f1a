#pragma once

#include "io/CKorvexDesignerProperty.h"

#include <QList>
#include <QSizeF>
#include <QString>

/// Benchmark pages: records of N page items in a realistic mix, with the picture files they use.
/// The same count always gives the same page.
class KorvexBenchPage
{
public:
    static constexpr int pictureCount = 20;

    /// Writes the pictures and the background into pictureFolder when they are not there yet.
    explicit KorvexBenchPage(const QString& pictureFolder);

    bool isValid() const;
    QString picturePath(int index) const;
    QString backgroundPath() const;
    static QSizeF pageSize();

    /// The page's own record ("screen") first, then count page items bottom first: rectangles,
    /// lines, labels, images, form text boxes and one 3D area half-way up.
    QList<CKorvexDesignerProperty> records(int count) const;
    /// The item blocks of the page items as copied to the clipboard (3D area left out, as copying does).
    QString clipboardText(int count) const;

private:
    bool writePictures() const;

    QString m_folder;
    bool m_valid = false;
};
