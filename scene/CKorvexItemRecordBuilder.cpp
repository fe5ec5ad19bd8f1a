#include "scene/CKorvexItemRecordBuilder.h"

#include "scene/CKorvexDesigner3DArea.h"
#include "scene/CKorvexDesignerFormTextBox.h"
#include "scene/CKorvexDesignerLabel.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerScreen.h"
#include "io/CKorvexItemWords.h"
#include "io/CKorvexPropertyKeys.h"
#include "io/CKorvexPropertyText.h"
#include "io/CKorvexPropertyValue.h"

namespace P = CKorvexPropertyKeys;

CKorvexDesignerProperty CKorvexItemRecordBuilder::build(const QGraphicsItem* item, const CKorvexDesignerProperty& stored)
{
    CKorvexDesignerProperty record = stored;
    if (!item)
        return record;
    record.setValue(P::ZValue, CKorvexPropertyText::roundToInteger(item->zValue()));
    record.setValue(P::StartLocation, item->scenePos());
    // The item's own kind picks the keys, so a 3D area never passes for the image it is built on.
    switch (CKorvexDeletableItem::kindOf(item)) {
    case CKorvexItemKind::Line:
        addLine(record, static_cast<const CKorvexDesignerLine&>(*item));
        break;
    case CKorvexItemKind::Rect:
        addRect(record, static_cast<const CKorvexDesignerRect&>(*item));
        break;
    case CKorvexItemKind::Image:
        addImage(record, static_cast<const CKorvexDesignerImage&>(*item));
        break;
    case CKorvexItemKind::Area3D:
        add3DArea(record, static_cast<const CKorvexDesigner3DArea&>(*item));
        break;
    case CKorvexItemKind::FormTextBox:
        addFormTextBox(record, static_cast<const CKorvexDesignerFormTextBox&>(*item));
        break;
    case CKorvexItemKind::Screen:
        addScreen(record, static_cast<const CKorvexDesignerScreen&>(*item));
        break;
    case CKorvexItemKind::Label:
        addLabel(record, static_cast<const CKorvexDesignerLabel&>(*item));
        break;
    case CKorvexItemKind::None:
        break;
    }
    return record;
}

void CKorvexItemRecordBuilder::addLine(CKorvexDesignerProperty& record, const CKorvexDesignerLine& line)
{
    record.setValue(P::EndLocation, line.end());
    record.setValue(P::PenWidth, double(line.pen().width()));
    record.setValue(P::PenColor, CKorvexPropertyValue::colorList(line.pen().color(), false));
}

void CKorvexItemRecordBuilder::addRect(CKorvexDesignerProperty& record, const CKorvexDesignerRect& rect)
{
    addSize(record, rect.width(), rect.height());
    record.setValue(P::PenWidth, double(rect.pen().width()));
    record.setValue(P::PenColor, CKorvexPropertyValue::colorList(rect.pen().color(), false));
    record.setValue(P::FillColor, CKorvexPropertyValue::colorList(rect.brush().color(), true));
    record.setValue(P::IsGradientMode, rect.isGradientMode());
    record.setValue(P::FillColorGradient, CKorvexPropertyValue::gradientList(rect.gradient()));
}

void CKorvexItemRecordBuilder::addImage(CKorvexDesignerProperty& record, const CKorvexDesignerImage& image)
{
    addSize(record, image.width(), image.height());
    record.setValue(P::Path, image.path());
    record.setValue(P::Url, image.url());
    record.setValue(P::Action, image.ActionToString());
    addImageSource(record, image);
    record.setValue(P::ScaleToFit, image.scaleToFit() ? 1 : 0);
    record.setValue(P::KeepAspectRatio, image.keepAspectRatio() ? 1 : 0);
}

void CKorvexItemRecordBuilder::add3DArea(CKorvexDesignerProperty& record, const CKorvexDesigner3DArea& area)
{
    addSize(record, area.width(), area.height());
    record.setValue(P::Path, area.path());
    record.setValue(P::FillColor, CKorvexPropertyValue::colorList(area.brush().color(), false));
    setIfWord(record, P::Mode3D, CKorvexDesigner3DArea::modeWord(area.mode()));
}

void CKorvexItemRecordBuilder::addFormTextBox(CKorvexDesignerProperty& record, const CKorvexDesignerFormTextBox& box)
{
    addSize(record, box.width(), box.height());
    record.setValue(P::CustomId, box.customId());
}

void CKorvexItemRecordBuilder::addScreen(CKorvexDesignerProperty& record, const CKorvexDesignerScreen& screen)
{
    addSize(record, screen.width(), screen.height());
    record.setValue(P::FillColor, CKorvexPropertyValue::colorList(screen.brush().color(), false));
    record.setValue(P::IsGradientMode, screen.isGradientMode());
    record.setValue(P::FillColorGradient, CKorvexPropertyValue::gradientList(screen.gradient()));
    record.setValue(P::IsImageMode, screen.isImageMode());
    record.setValue(P::Path, screen.path());
    record.setValue(P::PageSizeType, screen.pageSizeType());
    record.setValue(P::Dpi, screen.dpi());
    addImageSource(record, *screen.backgroundImage());
}

void CKorvexItemRecordBuilder::addLabel(CKorvexDesignerProperty& record, const CKorvexDesignerLabel& label)
{
    addSize(record, label.boundingRect().width(), label.boundingRect().height());
    record.setValue(P::FillColor, CKorvexPropertyValue::colorList(label.background().color(), true));
    record.setValue(P::Url, label.url());
    record.setValue(P::Action, label.ActionToString());
    record.setValue(P::Text, label.text());
    record.setValue(P::Html, label.storedHtml().isEmpty() ? label.html() : label.storedHtml());
    record.setValue(P::FontListText, label.fontList());
    setIfWord(record, P::TextSourceType, CKorvexItemWords::textSourceWord(label.textSource()));
    record.setValue(P::DictionaryKey, label.dictionaryKey());
}

void CKorvexItemRecordBuilder::addSize(CKorvexDesignerProperty& record, double w, double h)
{
    record.setValue(P::Width, w);
    record.setValue(P::Height, h);
}

void CKorvexItemRecordBuilder::addImageSource(CKorvexDesignerProperty& record, const CKorvexDesignerImage& image)
{
    record.setValue(P::DictionaryKey, image.dictionaryKey());
    setIfWord(record, P::ImageSourceType, CKorvexItemWords::imageSourceWord(image.imageSource()));
    setIfWord(record, P::SceneStateType, CKorvexItemWords::sceneStateChoiceWord(image.sceneStateChoice()));
    record.setValue(P::SceneStateIndex, image.sceneStateIndex());
    record.setValue(P::SceneStateName, image.sceneStateName());
}

void CKorvexItemRecordBuilder::setIfWord(CKorvexDesignerProperty& record, const QString& key, const QString& word)
{
    // A field outside its enumeration is not written at all.
    if (!word.isEmpty())
        record.setValue(key, word);
}
