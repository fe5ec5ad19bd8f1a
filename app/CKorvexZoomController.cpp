#include "app/CKorvexZoomController.h"

#include <QGraphicsView>
#include <QtMath>

QStringList CKorvexZoomController::entries()
{
    return {QStringLiteral("10%"),  QStringLiteral("25%"),   QStringLiteral("50%"),   QStringLiteral("75%"),
            QStringLiteral("100%"), QStringLiteral("125%"),  QStringLiteral("150%"),  QStringLiteral("200%"),
            QStringLiteral("400%"), QStringLiteral("800%"),  QStringLiteral("1600%"), QStringLiteral("2400%"),
            QStringLiteral("3200%"), QStringLiteral("6400%")};
}

int CKorvexZoomController::defaultIndex()
{
    return entries().indexOf(QStringLiteral("100%"));
}

int CKorvexZoomController::percentFromText(const QString& text)
{
    QString digits = text;
    digits.remove(QLatin1Char('%'));
    bool ok = false;
    const int percent = digits.trimmed().toInt(&ok);
    return ok && percent > 0 ? percent : 0;
}

int CKorvexZoomController::nextIndex(int current, int count)
{
    return qMin(current + 1, count - 1);
}

int CKorvexZoomController::previousIndex(int current)
{
    return qMax(current - 1, 0);
}

double CKorvexZoomController::fitRatio(const QSizeF& sceneSize, const QSize& viewportSize)
{
    // A viewport that has not been laid out yet counts as one pixel, never as zero.
    const double viewportWidth = qMax(1, viewportSize.width());
    const double viewportHeight = qMax(1, viewportSize.height());
    return qMax(sceneSize.width() / viewportWidth, sceneSize.height() / viewportHeight);
}

QString CKorvexZoomController::fitEntry(double ratio)
{
    if (ratio >= 4)
        return QStringLiteral("10%");
    if (ratio >= 2)
        return QStringLiteral("25%");
    if (ratio >= 1.25)
        return QStringLiteral("50%");
    if (ratio >= 1)
        return QStringLiteral("75%");
    if (ratio >= 0.5)
        return QStringLiteral("100%");
    if (ratio >= 0.25)
        return QStringLiteral("200%");
    if (ratio >= 0.1)
        return QStringLiteral("400%");
    return QStringLiteral("800%");
}

void CKorvexZoomController::rescale(QGraphicsView& view, int fromPercent, int toPercent)
{
    if (fromPercent <= 0 || toPercent <= 0)
        return;
    const double undo = 100.0 / fromPercent;
    view.scale(undo, undo);
    const double factor = toPercent / 100.0;
    view.scale(factor, factor);
}

void CKorvexZoomController::applyRenderHints(QGraphicsView& view, int percent)
{
    if (percent == 100) {
        view.setRenderHint(QPainter::Antialiasing, false);
        view.setRenderHint(QPainter::TextAntialiasing, true);
        return;
    }
    view.setRenderHint(QPainter::Antialiasing, true);
    view.setRenderHint(QPainter::TextAntialiasing, true);
    view.setRenderHint(QPainter::SmoothPixmapTransform, true);
}
