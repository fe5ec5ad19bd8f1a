#pragma once

#include "actions/ActionType.h"
#include "io/CKorvexDesignerProperty.h"
#include "properties/CKorvexPropertyForm.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexPropertyPanel.h"

#include <QColor>
#include <QMap>
#include <QPointer>
#include <QSignalBlocker>
#include <QVariant>
#include <QWidget>
#include <memory>
#include <vector>

class CKorvexDesignerItem;
class CKorvexFontCatalog;
class CKorvexThreadedFontLoading;
class CKorvexSourceRows;
class QGraphicsItem;

/// The form in the dock that shows the record of the current item and turns every edit of it into
/// a change of the item, each edit one undo step of the scene.
class CKorvexPropertyWidget : public QWidget, public CKorvexPropertyPanel
{
    Q_OBJECT

public:
    explicit CKorvexPropertyWidget(QWidget* parent = nullptr);
    ~CKorvexPropertyWidget() override;

    /// Every call into the scene is skipped while none is set.
    void setScene(CKorvexDesignerScene* scene);
    CKorvexDesignerScene* scene() const { return m_scene; }

    void showProperties(const CKorvexDesignerProperty& record) override;
    void openItemEditor() override;
    bool hasPendingChange() const override { return m_pendingChange; }
    void setPendingChange(bool pending) override { m_pendingChange = pending; }

    /// The copy of the shown record, as the edits left it.
    const CKorvexDesignerProperty& record() const { return m_record; }
    CKorvexDesignerProperty& record() { return m_record; }
    /// The graphics item of the shown record, or null.
    QGraphicsItem* item() const;
    const CKorvexPropertyForm& form() const { return m_form; }
    QString currentType() const { return m_currentType; }
    bool isStateOpen() const { return m_stateOpen; }
    /// The installed fonts the text editor offers, filled on the first text edit.
    CKorvexFontCatalog& fontCatalog() { return *m_fonts; }

    /// Blocks the change handlers of every field until the result goes away.
    std::vector<QSignalBlocker> quiet() const;
    /// Shows a copy of the record copy again.
    void showAgain();

public slots:
    void onLocationXYChanged(int value);
    void onSpinWidthHeightChanged(int value);
    void onPenWidthChange(int value);
    void applyChanges();
    void onTextRectCustomIDEditChange();
    void fillColorComboxStateChange(int index);
    void onOpacityChange(int value);
    void sliderPressed();
    void sliderReleased();
    void onActionWidgetChange(ActionType type, QMap<ActionProperty, QVariant> info);
    void onActionSettingsWillChange();
    void onActionSettingsFinishChange();
    void onImgSourceComboBox(int index);
    void onImgSceneStateTypeChanged(int index);
    void onTextSourceComboBox(int index);
    void onImgKeepAspectRatioChange(int state);
    void onImgScaleToFitChange(int state);
    void onImgSceneStateLineEditChanged();
    void onImgDictionaryLineEditChanged();
    void onImgDicValueLineEditChange();
    void oniImgDicPathButtonClicked();
    void onTextDicLineEditChange();
    void onTextDicValueLineEditChange();
    void onPenColorButtonClick();
    void onFillColorButtonClick();
    void onImagePathButtonClick();
    void onImageXButtonClick();
    void onTextButtonClick();
    void editingFinished();
    void beginState(bool keepOpenTillEndRecvied = false);
    void endState();
    void clearFillMode(const QStringList& options);

private:
    CKorvexDesignerItem* companion() const;
    void connectButtons();
    void connectFields();
    void layOutRows(const QString& type);
    void showTypeRows(const QString& type);
    QStringList fillModesOf(const QString& type) const;
    void showPlacement();
    void showFill();
    void show3DMode();
    void showImagePath();
    void showAction();
    void selectFillMode(const QString& mode);
    void showFillSubRows(bool swatch, bool image);
    void showOpacity(const QStringList& fill);
    void showSwatchColor(QLineEdit* swatch, const QStringList& rgb);
    static void setSwatchStyle(QLineEdit* swatch, const QString& style);
    void applyTo(QGraphicsItem* item);
    void applyLine(QGraphicsItem* item);
    void applyArea(QGraphicsItem* item, const QString& type);
    void apply3DMode(QGraphicsItem* item);
    void applyScreen(QGraphicsItem* item);
    void applyLabel(QGraphicsItem* item);
    void takeGeometry();
    void openState();
    void closeState();
    void chooseFillColor();
    void chooseGradient();
    /// Loads the fonts on their thread, showing a pop-up until they are in.
    void waitForFonts();
    void editText(QGraphicsItem* target);
    bool takeImageFile(const QString& file);
    QString fillMode() const;
    static int opacityForAlpha(int alpha);
    static int alphaForOpacity(int opacity);

    CKorvexPropertyForm m_form;
    std::unique_ptr<CKorvexSourceRows> m_sources;
    std::unique_ptr<CKorvexFontCatalog> m_fonts;
    CKorvexThreadedFontLoading* m_fontLoading = nullptr;
    CKorvexDesignerProperty m_record;
    QString m_currentType;
    QColor m_penColor;
    QColor m_fillColor;
    QString m_lastImagePath;
    /// The full path of the picture; the form shows its file name only.
    QString m_imagePath;
    QPointer<CKorvexDesignerScene> m_scene;
    QGraphicsItem* m_shownItem = nullptr;
    bool m_pendingChange = false;
    bool m_stateOpen = false;
    QString m_transparentWord;
    QString m_singleColorWord;
    QString m_linearGradientWord;
    QString m_imageWord;
};
