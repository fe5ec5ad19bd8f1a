#include "scene/CKorvexItemFactory.h"

#include "scene/CKorvexDesigner3DArea.h"
#include "scene/CKorvexDesignerFormTextBox.h"
#include "scene/CKorvexDesignerLabel.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerScreen.h"
#include "io/CKorvexPropertyKeys.h"

namespace T = CKorvexItemTypes;

bool CKorvexItemFactory::isKnownType(const QString& type)
{
    static const QStringList types{T::Line, T::Rect, T::Image, T::FormTextBox, T::Label,
                                   T::Text, T::Link, T::Area3D, T::Screen};
    return types.contains(type);
}

QString CKorvexItemFactory::handlingKind(const QString& type)
{
    return type == T::Text || type == T::Link ? T::Label : type;
}

QGraphicsItem* CKorvexItemFactory::createForTool(const QString& type)
{
    const QString kind = handlingKind(type);
    if (kind == T::Label) {
        auto* label = new CKorvexDesignerLabel;
        label->applyNewItemDefaults();
        return label;
    }
    if (kind == T::Image) {
        auto* image = new CKorvexDesignerImage;
        image->setAspectLocked(true);
        return image;
    }
    return createForRecord(type);
}

QGraphicsItem* CKorvexItemFactory::createForRecord(const QString& type, bool recordFollows)
{
    const QString kind = handlingKind(type);
    if (kind == T::Line)
        return new CKorvexDesignerLine;
    if (kind == T::Rect)
        return new CKorvexDesignerRect;
    if (kind == T::Image)
        return new CKorvexDesignerImage;
    if (kind == T::Area3D)
        return new CKorvexDesigner3DArea;
    if (kind == T::FormTextBox)
        return new CKorvexDesignerFormTextBox;
    if (kind == T::Screen)
        return new CKorvexDesignerScreen;
    if (kind == T::Label && recordFollows)
        return new CKorvexDesignerLabel(CKorvexDesignerLabel::ShowPlaceholderLater);
    if (kind == T::Label)
        return new CKorvexDesignerLabel;
    return nullptr;
}
