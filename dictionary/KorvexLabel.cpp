#include "dictionary/KorvexLabel.h"

namespace {

const QString oddRowStyle = QStringLiteral(
    "QWidget{ border: 1px solid rgb(216, 216, 216); border-right-color: rgb(255, 255, 255); "
    "background-color: rgba(235,235,235,100);}");
const QString evenRowStyle = QStringLiteral(
    "QWidget{ border: 1px solid rgb(216, 216, 216); border-right-color: rgb(255, 255, 255); "
    "background-color: rgba(255,255,255,100);}");

} // namespace

KorvexLabel::KorvexLabel(const QString& text, bool oddRow, QWidget* parent)
    : QLabel(QStringLiteral("  ") + text, parent)
{
    setTextFormat(Qt::PlainText);
    setStyleSheet(oddRow ? oddRowStyle : evenRowStyle);
}
