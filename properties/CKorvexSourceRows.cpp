#include "properties/CKorvexSourceRows.h"

#include "dictionary/CKorvexDictionary.h"
#include "io/CKorvexItemWords.h"
#include "io/CKorvexPropertyKeys.h"
#include "properties/CKorvexPropertyWidget.h"
#include "properties/KorvexNumberValidator.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexDesignerLabel.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "services/CKorvexPrompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace P = CKorvexPropertyKeys;

namespace {

enum SourceIndex { FromFile = 0, FromDictionary = 1, FromSceneState = 2 };
enum ChoiceIndex { ChooseByIndex = 0, ChooseByName = 1 };

int itemChoice(int index)
{
    return index == ChooseByIndex ? CKorvexDesignerImage::ByIndex : CKorvexDesignerImage::ByName;
}

void setQuietly(QLineEdit* field, const QString& text)
{
    const QSignalBlocker blocked(field);
    field->setText(text);
}

QString dictionaryValueOf(const QString& key)
{
    return CKorvexDictionary::HasDictionaryKey(key) ? CKorvexDictionary::DictionaryValue(key) : QString();
}

} // namespace

CKorvexSourceRows::CKorvexSourceRows(CKorvexPropertyWidget& panel)
    : m_panel(panel)
    , m_form(panel.form())
    , m_indexValidator(new KorvexNumberValidator(&panel))
    , m_valueFolder(QDir::homePath())
{
}

CKorvexSourceRows::~CKorvexSourceRows() = default;

CKorvexDesignerImage* CKorvexSourceRows::image() const
{
    QGraphicsItem* item = m_panel.item();
    if (auto* screen = dynamic_cast<CKorvexDesignerScreen*>(item))
        return screen->backgroundImage();
    return dynamic_cast<CKorvexDesignerImage*>(item);
}

CKorvexDesignerLabel* CKorvexSourceRows::label() const
{
    return dynamic_cast<CKorvexDesignerLabel*>(m_panel.item());
}

void CKorvexSourceRows::repaint()
{
    if (m_panel.scene())
        m_panel.scene()->update();
}

void CKorvexSourceRows::refreshDictionaryContent()
{
    if (m_panel.scene())
        m_panel.scene()->refreshItems();
}

void CKorvexSourceRows::fill(const CKorvexDesignerProperty& record, bool sameItem)
{
    if (record.contains(P::DictionaryKey)) {
        m_form.ImgDicLineEdit->setText(record.value(P::DictionaryKey).toString());
        m_form.textDicLineEdit->setText(record.value(P::DictionaryKey).toString());
    }
    fillImageSource(record, sameItem);
    fillTextSource(record, sameItem);
    fillSceneState(record);
    if (record.contains(P::ScaleToFit))
        m_form.imgScaleToFitCheckBox->setChecked(record.value(P::ScaleToFit).toInt() != 0);
    if (record.contains(P::KeepAspectRatio))
        m_form.imgKeepAspectRatioCheckBox->setChecked(record.value(P::KeepAspectRatio).toInt() != 0);
}

void CKorvexSourceRows::fillImageSource(const CKorvexDesignerProperty& record, bool sameItem)
{
    if (!record.contains(P::ImageSourceType))
        return;
    const int source = CKorvexItemWords::imageSourceFromWord(record.value(P::ImageSourceType).toString());
    if (source == FromFile) {
        m_form.imgSourceComboBox->setCurrentIndex(FromFile);
        m_form.ImgDicValueLineEdit->clear();
    } else if (source == FromDictionary && !sameItem) {
        m_form.imgSourceComboBox->setCurrentIndex(FromDictionary);
        m_form.ImgDicValueLineEdit->clear();
        const QString key = record.value(P::DictionaryKey).toString();
        if (CKorvexDictionary::HasDictionaryKey(key)) {
            m_form.ImgDicLineEdit->setText(key);
            m_form.ImgDicValueLineEdit->setText(CKorvexDictionary::DictionaryValue(key));
        }
    } else if (source == FromSceneState) {
        m_form.imgSourceComboBox->setCurrentIndex(FromSceneState);
    }
    layOutImageSource(m_form.imgSourceComboBox->currentIndex());
}

void CKorvexSourceRows::fillTextSource(const CKorvexDesignerProperty& record, bool sameItem)
{
    if (!record.contains(P::TextSourceType) || sameItem)
        return;
    const int source = CKorvexItemWords::textSourceFromWord(record.value(P::TextSourceType).toString());
    if (source == CKorvexDesignerText::SourceTextEditor || source == CKorvexDesignerText::SourceDictionary) {
        m_form.textSourceComboBox->setCurrentIndex(source);
        m_lastTextSource = source;
        layOutTextSource(source);
        m_form.textDicValueLineEdit->clear();
    }
    if (source == CKorvexDesignerText::SourceDictionary)
        m_form.textDicValueLineEdit->setText(dictionaryValueOf(m_form.textDicLineEdit->text()));
}

void CKorvexSourceRows::fillSceneState(const CKorvexDesignerProperty& record)
{
    if (!record.contains(P::SceneStateType))
        return;
    m_form.ImgSceneStateLineEdit->clear();
    const int choice = CKorvexItemWords::sceneStateChoiceFromWord(record.value(P::SceneStateType).toString());
    if (choice == CKorvexDesignerImage::ByIndex) {
        m_form.imgSceneStateType->setCurrentIndex(ChooseByIndex);
        showSceneStateChoice(ChooseByIndex);
        if (record.contains(P::SceneStateIndex))
            m_form.ImgSceneStateLineEdit->setText(QString::number(record.value(P::SceneStateIndex).toInt() + 1));
    } else if (choice == CKorvexDesignerImage::ByName) {
        m_form.imgSceneStateType->setCurrentIndex(ChooseByName);
        showSceneStateChoice(ChooseByName);
        m_form.ImgSceneStateLineEdit->setText(record.value(P::SceneStateName).toString());
    }
}

void CKorvexSourceRows::layOutImageSource(int index)
{
    if (index == m_lastImageSource)
        return;
    m_lastImageSource = index;
    const QList<QWidget*> sourceRows{m_form.imgSourceLine, m_form.imgDicKeyRow, m_form.imgDicValueRow,
                                     m_form.imgSceneStateTypeRow, m_form.imgSceneStateRow,
                                     m_form.imgKeepAspectRatioCheckBox, m_form.imgScaleToFitCheckBox};
    for (QWidget* row : sourceRows)
        row->hide();
    m_form.imagePathLable->setText(CKorvexPropertyWidget::tr("File Name"));
    if (index != FromDictionary && index != FromSceneState)
        return;
    m_form.imagePathLable->setText(CKorvexPropertyWidget::tr("Default Image"));
    m_form.imgSourceLine->show();
    m_form.imgDicKeyRow->setVisible(index == FromDictionary);
    m_form.imgDicValueRow->setVisible(index == FromDictionary);
    m_form.imgSceneStateTypeRow->setVisible(index == FromSceneState);
    m_form.imgSceneStateRow->setVisible(index == FromSceneState);
    const bool ownPicture = m_panel.currentType() != CKorvexItemTypes::Screen;
    m_form.imgKeepAspectRatioCheckBox->setVisible(ownPicture);
    m_form.imgScaleToFitCheckBox->setVisible(ownPicture);
}

void CKorvexSourceRows::layOutTextSource(int index)
{
    const bool dictionary = index == CKorvexDesignerText::SourceDictionary;
    m_form.textSourceLine->setVisible(dictionary);
    m_form.textDicKeyRow->setVisible(dictionary);
    m_form.textDicValueRow->setVisible(dictionary);
    m_form.textLabel->setText(dictionary ? CKorvexPropertyWidget::tr("Default Text") : CKorvexPropertyWidget::tr("Text"));
}

void CKorvexSourceRows::showSceneStateChoice(int index)
{
    const bool byIndex = index == ChooseByIndex;
    m_form.imgSceneStateLabel->setText(byIndex ? CKorvexPropertyWidget::tr("Scene State Index ")
                                               : CKorvexPropertyWidget::tr("Scene State Name "));
    m_form.ImgSceneStateLineEdit->setValidator(byIndex ? m_indexValidator : nullptr);
}

void CKorvexSourceRows::onImageSourceChosen(int index)
{
    m_panel.beginState();
    layOutImageSource(index);
    if (CKorvexDesignerImage* picture = image()) {
        picture->setImageSource(index);
        m_panel.record().setValue(P::ImageSourceType, CKorvexItemWords::imageSourceWord(index));
        m_panel.setPendingChange(true);
    }
    repaint();
    m_panel.endState();
}

void CKorvexSourceRows::onSceneStateChoiceChosen(int index)
{
    showSceneStateChoice(index);
    CKorvexDesignerImage* picture = image();
    if (!picture)
        return;
    picture->setSceneStateChoice(itemChoice(index));
    m_panel.record().setValue(P::SceneStateType, CKorvexItemWords::sceneStateChoiceWord(itemChoice(index)));
    // Showing the stored choice runs the field's handler, which stores it back unchanged.
    m_form.ImgSceneStateLineEdit->setText(index == ChooseByIndex ? QString::number(picture->sceneStateIndex() + 1)
                                                                 : picture->sceneStateName());
    repaint();
}

void CKorvexSourceRows::onSceneStateEdited()
{
    CKorvexDesignerImage* picture = image();
    if (!picture)
        return;
    const QString text = m_form.ImgSceneStateLineEdit->text();
    if (picture->sceneStateChoice() == CKorvexDesignerImage::ByIndex) {
        const int index = text.isEmpty() ? 0 : qMax(0, text.toInt() - 1);
        picture->setSceneStateIndex(index);
        m_panel.record().setValue(P::SceneStateIndex, index);
    } else {
        picture->setSceneStateName(text);
        m_panel.record().setValue(P::SceneStateName, text);
    }
    m_panel.setPendingChange(true);
}

void CKorvexSourceRows::onImageFlagChanged(const QString& key, bool on)
{
    CKorvexDesignerImage* picture = image();
    if (!picture || m_panel.currentType() == CKorvexItemTypes::Screen)
        return;
    if (key == P::KeepAspectRatio)
        picture->setKeepAspectRatio(on);
    else
        picture->setScaleToFit(on);
    m_panel.record().setValue(key, on ? 1 : 0);
    m_panel.setPendingChange(true);
}

void CKorvexSourceRows::onImageKeywordEdited()
{
    CKorvexDesignerImage* picture = image();
    if (!picture || picture->imageSource() != CKorvexDesignerImage::SourceDictionary)
        return;
    const QString keyword = m_form.ImgDicLineEdit->text();
    picture->setDictionaryKey(keyword);
    m_panel.record().setValue(P::DictionaryKey, keyword);
    setQuietly(m_form.ImgDicValueLineEdit, dictionaryValueOf(keyword.trimmed()));
    m_panel.setPendingChange(true);
    repaint();
}

void CKorvexSourceRows::onImageValueEdited()
{
    editDictionaryValue(m_form.ImgDicLineEdit->text(), m_form.ImgDicValueLineEdit->text(), image() != nullptr, false);
}

void CKorvexSourceRows::editDictionaryValue(const QString& keyword, const QString& value, bool hasTarget,
                                            bool keepsNewEmptyKey)
{
    m_panel.beginState();
    {
        const auto blocked = m_panel.quiet();
        const bool known = CKorvexDictionary::HasDictionaryKey(keyword);
        if (known || !keyword.isEmpty()) {
            if (!known)
                CKorvexDictionary::SetDictionaryValue(keyword, QString());
            if (hasTarget) {
                if (!value.isEmpty())
                    CKorvexDictionary::SetDictionaryValue(keyword, value);
                else if (known || !keepsNewEmptyKey)
                    CKorvexDictionary::RemoveDictionaryKey(keyword);
                refreshDictionaryContent();
            }
        }
    }
    m_panel.endState();
}

void CKorvexSourceRows::onImageValueBrowse()
{
    m_panel.beginState();
    const QString file = CKorvexPrompt::openFileName(&m_panel, CKorvexPropertyWidget::tr("Select File"), m_valueFolder,
                                                     CKorvexPropertyWidget::tr("Image Files (*.png *.jpg *.bmp)"));
    if (!file.isEmpty()) {
        m_valueFolder = file;
        m_form.ImgDicValueLineEdit->setText(file);
    }
    m_panel.endState();
}

void CKorvexSourceRows::onTextSourceChosen(int index)
{
    const auto blocked = m_panel.quiet();
    if (index == m_lastTextSource)
        return;
    m_lastTextSource = index;
    m_form.textDicLineEdit->clear();
    layOutTextSource(index);
    if (CKorvexDesignerLabel* text = label()) {
        const int source = index == CKorvexDesignerText::SourceDictionary ? CKorvexDesignerText::SourceDictionary
                                                                           : CKorvexDesignerText::SourceTextEditor;
        text->setTextSource(source);
        text->refreshFromDictionary();
        m_panel.record().setValue(P::TextSourceType, CKorvexItemWords::textSourceWord(source));
        m_form.textDicLineEdit->setText(text->dictionaryKey());
    }
    m_panel.setPendingChange(true);
}

void CKorvexSourceRows::onTextKeywordEdited()
{
    CKorvexDesignerLabel* text = label();
    if (!text || text->textSource() != CKorvexDesignerText::SourceDictionary)
        return;
    const QString keyword = m_form.textDicLineEdit->text();
    text->setDictionaryKey(keyword);
    text->refreshFromDictionary();
    m_panel.record().setValue(P::DictionaryKey, keyword);
    setQuietly(m_form.textDicValueLineEdit, dictionaryValueOf(keyword));
    m_panel.setPendingChange(true);
}

void CKorvexSourceRows::onTextValueEdited()
{
    // A new text keyword keeps its empty value: the text falls back to its default until one is typed.
    editDictionaryValue(m_form.textDicLineEdit->text(), m_form.textDicValueLineEdit->text(), label() != nullptr, true);
}
