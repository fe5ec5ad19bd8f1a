#pragma once

#include "io/CKorvexDesignerProperty.h"

class CKorvexDesigner3DArea;
class CKorvexDesignerFormTextBox;
class CKorvexDesignerImage;
class CKorvexDesignerLabel;
class CKorvexDesignerLine;
class CKorvexDesignerRect;
class CKorvexDesignerScreen;
class QGraphicsItem;

/// Builds the property record of a page item from its current state.
class CKorvexItemRecordBuilder
{
public:
    /// Starts from the record the item holds, then refreshes "zvalue", "start location" and the kind's keys.
    static CKorvexDesignerProperty build(const QGraphicsItem* item, const CKorvexDesignerProperty& stored);

private:
    static void addLine(CKorvexDesignerProperty& record, const CKorvexDesignerLine& line);
    static void addRect(CKorvexDesignerProperty& record, const CKorvexDesignerRect& rect);
    static void addImage(CKorvexDesignerProperty& record, const CKorvexDesignerImage& image);
    static void add3DArea(CKorvexDesignerProperty& record, const CKorvexDesigner3DArea& area);
    static void addFormTextBox(CKorvexDesignerProperty& record, const CKorvexDesignerFormTextBox& box);
    static void addScreen(CKorvexDesignerProperty& record, const CKorvexDesignerScreen& screen);
    static void addLabel(CKorvexDesignerProperty& record, const CKorvexDesignerLabel& label);
    static void addSize(CKorvexDesignerProperty& record, double w, double h);
    static void addImageSource(CKorvexDesignerProperty& record, const CKorvexDesignerImage& image);
    static void setIfWord(CKorvexDesignerProperty& record, const QString& key, const QString& word);
};
