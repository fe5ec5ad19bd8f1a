#pragma once

#include <QString>

class CKorvexDesignerImage;
class CKorvexDesignerLabel;
class CKorvexDesignerProperty;
class CKorvexPropertyForm;
class CKorvexPropertyWidget;
class KorvexNumberValidator;

/// The rows of the property panel that choose where a picture comes from (file, dictionary,
/// scene state) and where a text comes from (text editor, dictionary), and their edits.
class CKorvexSourceRows
{
public:
    explicit CKorvexSourceRows(CKorvexPropertyWidget& panel);
    ~CKorvexSourceRows();

    /// Fills the rows from a record; sameItem keeps a dictionary source as the user left it.
    void fill(const CKorvexDesignerProperty& record, bool sameItem);
    /// The next fill lays the picture rows out again.
    void forgetImageLayout() { m_lastImageSource = -1; }

    void onImageSourceChosen(int index);
    void onSceneStateChoiceChosen(int index);
    void onSceneStateEdited();
    /// Keep aspect ratio or scale to fit, by record key.
    void onImageFlagChanged(const QString& key, bool on);
    void onImageKeywordEdited();
    void onImageValueEdited();
    void onImageValueBrowse();
    void onTextSourceChosen(int index);
    void onTextKeywordEdited();
    void onTextValueEdited();

private:
    /// The picture the rows edit: an image item or 3D area, or the page's background picture.
    CKorvexDesignerImage* image() const;
    CKorvexDesignerLabel* label() const;
    void fillImageSource(const CKorvexDesignerProperty& record, bool sameItem);
    void fillTextSource(const CKorvexDesignerProperty& record, bool sameItem);
    void fillSceneState(const CKorvexDesignerProperty& record);
    void layOutImageSource(int index);
    void layOutTextSource(int index);
    void showSceneStateChoice(int index);
    /// Stores or removes the keyword's entry, adding an unknown non-empty keyword first.
    void editDictionaryValue(const QString& keyword, const QString& value, bool hasTarget, bool keepsNewEmptyKey);
    void repaint();
    void refreshDictionaryContent();

    CKorvexPropertyWidget& m_panel;
    const CKorvexPropertyForm& m_form;
    KorvexNumberValidator* m_indexValidator;
    int m_lastImageSource = -1;
    int m_lastTextSource = -1;
    QString m_valueFolder;
};
