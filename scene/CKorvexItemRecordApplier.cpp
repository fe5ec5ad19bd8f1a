#include "scene/CKorvexItemRecordApplier.h"

#include "core/CKorvexActionUrl.h"
#include "scene/CKorvexDesigner3DArea.h"
#include "scene/CKorvexDesignerFormTextBox.h"
#include "scene/CKorvexDesignerLabel.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerScreen.h"
#include "io/CKorvexItemWords.h"
#include "io/CKorvexPropertyKeys.h"
#include "io/CKorvexPropertyValue.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace P = CKorvexPropertyKeys;

namespace {

// The largest side the property panel offers; larger values from a file are taken as this.
constexpr double maximumSide = 100000000.0;

QString lastPathComponent(const QString& path)
{
    QString trimmed = path;
    while (trimmed.endsWith(QLatin1Char('/')) || trimmed.endsWith(QLatin1Char('\\')))
        trimmed.chop(1);
    const int cut = qMax(trimmed.lastIndexOf(QLatin1Char('/')), trimmed.lastIndexOf(QLatin1Char('\\')));
    return trimmed.mid(cut + 1);
}

double sideValue(const QVariant& value)
{
    const double side = value.toDouble();
    return std::isfinite(side) ? qBound(0.0, side, maximumSide) : 0.0;
}

int wordIndex(int index, int fallback)
{
    return index < 0 ? fallback : index;
}

} // namespace

CKorvexDesignerProperty CKorvexItemRecordApplier::apply(QGraphicsItem* item, const CKorvexDesignerProperty& record,
                                                        const QString& templateFolder)
{
    CKorvexDesignerProperty applied = record;
    const CKorvexItemKind kind = CKorvexDeletableItem::kindOf(item);
    // The page stays where it is; every other kind takes its place and stacking first.
    if (kind != CKorvexItemKind::None && kind != CKorvexItemKind::Screen)
        applyPlacement(item, record);
    switch (kind) {
    case CKorvexItemKind::Line:
        applyLine(static_cast<CKorvexDesignerLine&>(*item), record);
        break;
    case CKorvexItemKind::Rect:
        applyRect(static_cast<CKorvexDesignerRect&>(*item), record);
        break;
    case CKorvexItemKind::Image:
        applyImage(static_cast<CKorvexDesignerImage&>(*item), applied, templateFolder);
        break;
    case CKorvexItemKind::Area3D:
        apply3DArea(static_cast<CKorvexDesigner3DArea&>(*item), applied, templateFolder);
        break;
    case CKorvexItemKind::FormTextBox:
        applyFormTextBox(static_cast<CKorvexDesignerFormTextBox&>(*item), record);
        break;
    case CKorvexItemKind::Screen:
        applyScreen(static_cast<CKorvexDesignerScreen&>(*item), applied, templateFolder);
        break;
    case CKorvexItemKind::Label:
        applyLabel(static_cast<CKorvexDesignerLabel&>(*item), applied, templateFolder);
        break;
    case CKorvexItemKind::None:
        break;
    }
    return applied;
}

QString CKorvexItemRecordApplier::resolvePath(const QString& path, const QString& templateFolder)
{
    if (path.trimmed().isEmpty() || QFileInfo(path).isFile() || templateFolder.isEmpty())
        return path;
    const QString candidate = QDir(templateFolder).filePath(lastPathComponent(path));
    return QFileInfo(candidate).isFile() ? candidate : path;
}

void CKorvexItemRecordApplier::applyPlacement(QGraphicsItem* item, const CKorvexDesignerProperty& record)
{
    item->setPos(CKorvexPropertyValue::point(record.value(P::StartLocation)));
    const double z = record.value(P::ZValue).toDouble();
    item->setZValue(std::isfinite(z) ? z : 0.0);
}

void CKorvexItemRecordApplier::applyLine(CKorvexDesignerLine& line, const CKorvexDesignerProperty& record)
{
    applyPen(line, record);
    if (record.contains(P::EndLocation))
        line.setEnd(CKorvexPropertyValue::point(record.value(P::EndLocation)));
}

void CKorvexItemRecordApplier::applyRect(CKorvexDesignerRect& rect, const CKorvexDesignerProperty& record)
{
    applySize(rect, record);
    applyPen(rect, record);
    applyFill(rect, record);
}

void CKorvexItemRecordApplier::applyImage(CKorvexDesignerImage& image, CKorvexDesignerProperty& record,
                                          const QString& folder)
{
    applySize(image, record);
    applyImageSource(image, record);
    image.setUrl(record.value(P::Url).toString());
    applyPath(image, record, folder);
    applyAction(image, record, folder);
}

void CKorvexItemRecordApplier::apply3DArea(CKorvexDesigner3DArea& area, CKorvexDesignerProperty& record,
                                           const QString& folder)
{
    applySize(area, record);
    area.setBrush(fillBrush(record));
    const int mode = record.contains(P::Mode3D) ? CKorvexDesigner3DArea::modeFromWord(record.value(P::Mode3D).toString()) : -1;
    area.setMode(wordIndex(mode, CKorvexDesigner3DArea::Transparent));
    applyPath(area, record, folder);
}

void CKorvexItemRecordApplier::applyFormTextBox(CKorvexDesignerFormTextBox& box, const CKorvexDesignerProperty& record)
{
    applySize(box, record);
    box.setCustomId(record.value(P::CustomId).toString());
}

void CKorvexItemRecordApplier::applyScreen(CKorvexDesignerScreen& screen, CKorvexDesignerProperty& record,
                                           const QString& folder)
{
    applySize(screen, record);
    applyFill(screen, record);
    screen.setImageMode(record.contains(P::IsImageMode) ? record.value(P::IsImageMode).toBool() : true);
    screen.setDpi(record.contains(P::Dpi) ? record.value(P::Dpi).toInt() : 72);
    screen.setPageSizeType(record.contains(P::PageSizeType) ? record.value(P::PageSizeType).toString()
                                                            : QStringLiteral("Custom"));
    CKorvexDesignerImage* background = screen.backgroundImage();
    applyImageSource(*background, record);
    applyPath(*background, record, folder);
    screen.repaint();
}

void CKorvexItemRecordApplier::applyLabel(CKorvexDesignerLabel& label, CKorvexDesignerProperty& record,
                                          const QString& folder)
{
    label.setUrl(record.value(P::Url).toString());
    applyAction(label, record, folder);
    const int source = CKorvexItemWords::textSourceFromWord(record.value(P::TextSourceType).toString());
    label.setTextSource(wordIndex(source, CKorvexDesignerText::SourceTextEditor));
    label.setDictionaryKey(record.value(P::DictionaryKey).toString());
    label.setBackground(fillBrush(record));
    const QString html = record.value(P::Html).toString();
    // Shown once, by the refresh below: laying rich text out is most of building a label.
    label.keepStoredHtml(html);
    const QString text = record.value(P::Text).toString();
    label.settlePlaceholder(!html.isEmpty() || !text.isEmpty());
    if (html.isEmpty() && !text.isEmpty())
        label.setPlainText(text);
    label.refreshFromDictionary();
}

void CKorvexItemRecordApplier::applySize(CKorvexDesignerRect& rect, const CKorvexDesignerProperty& record)
{
    if (record.contains(P::Width))
        rect.setWidth(sideValue(record.value(P::Width)));
    if (record.contains(P::Height))
        rect.setHeight(sideValue(record.value(P::Height)));
}

void CKorvexItemRecordApplier::applyPen(CKorvexDesignerRect& rect, const CKorvexDesignerProperty& record)
{
    const double width = record.contains(P::PenWidth) ? sideValue(record.value(P::PenWidth)) : 1.0;
    const QColor color = CKorvexPropertyValue::color(record.value(P::PenColor)).value_or(QColor(0, 0, 0));
    rect.setPen(QPen(color, width));
}

void CKorvexItemRecordApplier::applyFill(CKorvexDesignerRect& rect, const CKorvexDesignerProperty& record)
{
    rect.setBrush(fillBrush(record));
    rect.setGradientMode(record.value(P::IsGradientMode).toBool());
    if (record.value(P::FillColorGradient).toStringList().size() >= 4)
        rect.setGradient(CKorvexPropertyValue::gradient(record.value(P::FillColorGradient)));
}

QBrush CKorvexItemRecordApplier::fillBrush(const CKorvexDesignerProperty& record)
{
    return QBrush(CKorvexPropertyValue::color(record.value(P::FillColor)).value_or(QColor(255, 255, 255, 0)));
}

void CKorvexItemRecordApplier::applyImageSource(CKorvexDesignerImage& image, const CKorvexDesignerProperty& record)
{
    const int source = CKorvexItemWords::imageSourceFromWord(record.value(P::ImageSourceType).toString());
    image.setImageSource(wordIndex(source, CKorvexDesignerImage::SourceFile));
    const QVariant choiceWord = record.value(P::SceneStateType);
    const int choice = choiceWord.isValid() ? CKorvexItemWords::sceneStateChoiceFromWord(choiceWord.toString()) : -1;
    image.setSceneStateChoice(wordIndex(choice, CKorvexDesignerImage::ByIndex));
    image.setSceneStateIndex(record.value(P::SceneStateIndex).toInt());
    image.setSceneStateName(record.value(P::SceneStateName).toString());
    image.setScaleToFit(record.value(P::ScaleToFit).toInt() != 0);
    image.setKeepAspectRatio(record.value(P::KeepAspectRatio).toInt() != 0);
    image.setDictionaryKey(record.value(P::DictionaryKey).toString());
}

void CKorvexItemRecordApplier::applyPath(CKorvexDesignerImage& image, CKorvexDesignerProperty& record,
                                         const QString& folder)
{
    const QString path = resolvePath(record.value(P::Path).toString(), folder);
    image.setPath(path);
    if (record.contains(P::Path))
        record.setValue(P::Path, path);
}

void CKorvexItemRecordApplier::applyAction(CKorvexActionEnabled& item, CKorvexDesignerProperty& record,
                                           const QString& folder)
{
    if (!record.contains(P::Action))
        return;
    item.ActionFromString(record.value(P::Action).toString());
    if (relocateHtmlFolder(item, folder))
        record.setValue(P::Action, item.ActionToString());
}

bool CKorvexItemRecordApplier::relocateHtmlFolder(CKorvexActionEnabled& item, const QString& folder)
{
    auto* url = item.GetAction().As<Korvex::CKorvexActionUrl>();
    if (!url || folder.isEmpty())
        return false;
    const QString localPath = Korvex::toQString(url->LocalHtmlPath());
    if (localPath.isEmpty() || QFileInfo(localPath).isDir())
        return false;
    const QString candidate = QDir(folder).filePath(lastPathComponent(localPath));
    if (!QFileInfo(candidate).isDir())
        return false;
    url->SetLocalHtmlPath(Korvex::fromQString(candidate));
    return true;
}
