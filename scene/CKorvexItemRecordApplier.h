#pragma once

#include "io/CKorvexDesignerProperty.h"

#include <QBrush>

class CKorvexActionEnabled;
class CKorvexDesigner3DArea;
class CKorvexDesignerFormTextBox;
class CKorvexDesignerImage;
class CKorvexDesignerLabel;
class CKorvexDesignerLine;
class CKorvexDesignerRect;
class CKorvexDesignerScreen;
class QGraphicsItem;

/// Writes a property record into a page item; keys the record lacks take the item builder's defaults.
class CKorvexItemRecordApplier
{
public:
    /// templateFolder is where relative image paths and local HTML folders are looked for.
    /// Returns the record as applied: "path" and "action" as the item took them.
    static CKorvexDesignerProperty apply(QGraphicsItem* item, const CKorvexDesignerProperty& record,
                                         const QString& templateFolder = QString());

    /// The path itself when a file exists there, else the file of that name in templateFolder when it exists.
    static QString resolvePath(const QString& path, const QString& templateFolder);

private:
    static void applyPlacement(QGraphicsItem* item, const CKorvexDesignerProperty& record);
    static void applyLine(CKorvexDesignerLine& line, const CKorvexDesignerProperty& record);
    static void applyRect(CKorvexDesignerRect& rect, const CKorvexDesignerProperty& record);
    static void applyImage(CKorvexDesignerImage& image, CKorvexDesignerProperty& record, const QString& folder);
    static void apply3DArea(CKorvexDesigner3DArea& area, CKorvexDesignerProperty& record, const QString& folder);
    static void applyFormTextBox(CKorvexDesignerFormTextBox& box, const CKorvexDesignerProperty& record);
    static void applyScreen(CKorvexDesignerScreen& screen, CKorvexDesignerProperty& record, const QString& folder);
    static void applyLabel(CKorvexDesignerLabel& label, CKorvexDesignerProperty& record, const QString& folder);

    static void applySize(CKorvexDesignerRect& rect, const CKorvexDesignerProperty& record);
    static void applyPen(CKorvexDesignerRect& rect, const CKorvexDesignerProperty& record);
    static void applyFill(CKorvexDesignerRect& rect, const CKorvexDesignerProperty& record);
    static void applyImageSource(CKorvexDesignerImage& image, const CKorvexDesignerProperty& record);
    static void applyPath(CKorvexDesignerImage& image, CKorvexDesignerProperty& record, const QString& folder);
    static void applyAction(CKorvexActionEnabled& item, CKorvexDesignerProperty& record, const QString& folder);
    static bool relocateHtmlFolder(CKorvexActionEnabled& item, const QString& folder);
    static QBrush fillBrush(const CKorvexDesignerProperty& record);
};
