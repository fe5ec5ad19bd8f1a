#pragma once

#include <QSize>
#include <QSizeF>
#include <QStringList>

class QGraphicsView;

/// The zoom rules of the main window's view: the zoom box entries, stepping, fitting and render hints.
class CKorvexZoomController
{
public:
    /// The zoom box entries, smallest first.
    static QStringList entries();
    static int defaultIndex();
    /// The whole number of an entry such as "125%"; 0 when the text holds none.
    static int percentFromText(const QString& text);

    /// Zoom In: the next entry, staying at the last.
    static int nextIndex(int current, int count);
    /// Zoom Out: the previous entry, staying at the first.
    static int previousIndex(int current);

    /// The larger of the width and height ratios of the scene to the viewport.
    static double fitRatio(const QSizeF& sceneSize, const QSize& viewportSize);
    /// The entry that shows a page of that ratio whole.
    static QString fitEntry(double ratio);

    /// Undoes the zoom in force on the view and applies the new one.
    static void rescale(QGraphicsView& view, int fromPercent, int toPercent);
    static void applyRenderHints(QGraphicsView& view, int percent);
};
