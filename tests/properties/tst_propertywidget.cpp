#include "KorvexDialogDriver.h"
#include "KorvexScriptedPrompt.h"
#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "KorvexTestPage.h"
#include "core/CKorvexUndoManager.h"
#include "dictionary/CKorvexDictionary.h"
#include "io/CKorvexPropertyKeys.h"
#include "properties/CKorvexFontCatalog.h"
#include "properties/CKorvexGradientDialog.h"
#include "properties/CKorvexPropertyWidget.h"
#include "properties/QColorRampEditor.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexDesignerScreen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextEdit>

namespace P = CKorvexPropertyKeys;
using namespace KorvexDialogDriver;

namespace {

/// A design scene with its own history, shown in a real panel.
struct PanelBench
{
    Korvex::CKorvexUndoManager history;
    CKorvexDesignerScene scene{nullptr, &history};
    CKorvexPropertyWidget panel;
    QGraphicsItem* item = nullptr;

    PanelBench()
    {
        scene.setPropertyWidget(&panel);
        panel.setScene(&scene);
        panel.show();
    }
    /// Builds the item of the lines and shows it as the current item.
    QGraphicsItem* show(const QStringList& lines)
    {
        item = KorvexTestPage::add(scene, lines);
        if (lines.first() == "type:screen")
            item = scene.screen();
        scene.setCurrentItem(item);
        scene.showInPanel(item);
        history.ClearHistory();
        return item;
    }
    QVariant value(const QString& key) { return scene.itemProperties(item).value(key); }
    template <typename Widget>
    Widget* field(const char* name) { return child<Widget>(&panel, name); }
};

const QStringList rect{"type:rect", "start location:10 20", "width:100", "height:50", "fill color:1 2 3 200"};

} // namespace

class TestPropertyWidget : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_bench = std::make_unique<PanelBench>(); }
    void cleanup() { m_bench.reset(); }
    void rowsFollowTheType_data();
    void rowsFollowTheType();
    void typedLocationIsOneUndoStep();
    void opacityDragIsOneStep();
    void urlAndStackingOpenNoStep();
    void fillColourDialog_data();
    void fillColourDialog();
    void chosenImage_data();
    void chosenImage();
    void clearButtonStoresABlank();
    void panelEditSurvivesSaveAndOpen();
    void dictionarySources();
    void gradientFromTheDialog();
    void newLabelTextFromTheEditor();

private:
    std::unique_ptr<PanelBench> m_bench;
};

void TestPropertyWidget::rowsFollowTheType_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("rows");
    QTest::newRow("line") << QStringList{"type:line", "end location:50 60"}
                          << "locationGroup endLocationGroup penGroupBox";
    QTest::newRow("rect") << rect << "locationGroup penGroupBox fillColorGroup fillModeGroup "
                                     "fillSingleGradientColorGroup opacityGroupBox sizeGroupBox";
    QTest::newRow("gradient rect") << QStringList{"type:rect", "is gradient mode:1", "fill color gradient:0 0 1 0 0 1 2 3"}
                                   << "locationGroup penGroupBox fillColorGroup fillModeGroup "
                                      "fillSingleGradientColorGroup sizeGroupBox";
    QTest::newRow("form text box") << QStringList{"type:form_text_box"}
                                   << "locationGroup sizeGroupBox formTextBoxNameGroup";
    QTest::newRow("label") << QStringList{"type:label", "fill color:1 2 3 4"}
                           << "locationGroup fillColorGroup fillSingleGradientColorGroup imgBackgroundLabel "
                              "opacityGroupBox textGroup actionWidget";
    QTest::newRow("image") << QStringList{"type:image"} << "locationGroup fillColorGroup imagePathGroup sizeGroupBox actionWidget";
    QTest::newRow("3d area image") << QStringList{"type:3d area", "3d mode:Image"}
                                   << "locationGroup fillColorGroup fillModeGroup imagePathGroup sizeGroupBox";
    QTest::newRow("picture page") << QStringList{"type:screen", "is image mode:1", "fill color:9 9 9"}
                                  << "fillColorGroup fillModeGroup imagePathGroup";
}

void TestPropertyWidget::rowsFollowTheType()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, rows);
    m_bench->show(lines);
    const QStringList candidates{"locationGroup", "endLocationGroup", "penGroupBox", "fillColorGroup",
                                 "fillModeGroup", "fillSingleGradientColorGroup", "imgBackgroundLabel",
                                 "imagePathGroup", "opacityGroupBox", "sizeGroupBox", "textGroup", "urlGroup",
                                 "zValueGroup", "formTextBoxNameGroup", "actionWidget"};
    QStringList shown;
    for (const QString& name : candidates) {
        if (m_bench->panel.findChild<QWidget*>(name)->isVisibleTo(&m_bench->panel))
            shown << name;
    }
    QCOMPARE(shown.join(' '), rows);
}

void TestPropertyWidget::typedLocationIsOneUndoStep()
{
    m_bench->show(rect);
    auto* x = m_bench->field<QSpinBox>("locationXSpinBox");
    x->setFocus();
    typeInto(x, "345");
    QTest::keyClick(x, Qt::Key_Return);
    QCOMPARE(m_bench->item->pos(), QPointF(345, 20));
    QVERIFY(m_bench->history.UndoCount() == 1 && m_bench->panel.hasPendingChange());
    m_bench->scene.undo();
    QCOMPARE(m_bench->value(P::StartLocation).toPointF(), QPointF(10, 20));
    QCOMPARE(x->value(), 10);
}

void TestPropertyWidget::opacityDragIsOneStep()
{
    m_bench->show({"type:label", "fill color:0 0 0 127"});
    auto* slider = m_bench->field<QSlider>("opacitySpinBox");
    QCOMPARE(slider->value(), 49);
    slider->setSliderDown(true);
    slider->setValue(50);
    QCOMPARE(m_bench->panel.record().value(P::FillColor).toStringList().last(), QString("127"));
    slider->setValue(80);
    slider->setSliderDown(false);
    QCOMPARE(m_bench->value(P::FillColor).toStringList(), QStringList({"0", "0", "0", "204"}));
    QCOMPARE(m_bench->field<QLabel>("sliderValueLabel")->text(), QString("80%"));
    QCOMPARE(m_bench->history.UndoCount(), 1);
    // Keys move the slider without a press: each move is a step of its own.
    QTest::keyClick(slider, Qt::Key_Right);
    QVERIFY(m_bench->history.UndoCount() == 2 && m_bench->value(P::FillColor).toStringList().last() == "206");
}

void TestPropertyWidget::urlAndStackingOpenNoStep()
{
    m_bench->show({"type:image", "zvalue:3"});
    m_bench->field<QLineEdit>("urlLineEdit")->setText("https://example.org");
    m_bench->field<QSpinBox>("zValueSpinBox")->setValue(7);
    QVERIFY(m_bench->value(P::Url) == "https://example.org" && m_bench->item->zValue() == 7.0);
    QVERIFY(m_bench->history.UndoCount() == 0 && m_bench->panel.hasPendingChange());
}

void TestPropertyWidget::fillColourDialog_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QColor>("answer");
    QTest::addColumn<bool>("alphaOffered");
    QTest::addColumn<QString>("stored");
    QTest::newRow("rect") << "rect" << QColor(10, 20, 30, 40) << true << "10 20 30 40";
    QTest::newRow("rect cancelled") << "rect" << QColor() << true << "1 2 3 200";
    QTest::newRow("label") << "label" << QColor(10, 20, 30, 40) << true << "10 20 30 40";
    QTest::newRow("text") << "text" << QColor(10, 20, 30, 40) << false << "10 20 30 255";
    QTest::newRow("link cancelled") << "link" << QColor() << false << "1 2 3 200";
}

void TestPropertyWidget::fillColourDialog()
{
    QFETCH(QString, type);
    QFETCH(QColor, answer);
    QFETCH(bool, alphaOffered);
    QFETCH(QString, stored);
    m_bench->show({"type:" + type, "fill color:1 2 3 200", "width:100", "height:50"});
    KorvexScriptedPrompt prompt;
    prompt.answerColor(answer);
    click(m_bench->field<QPushButton>("fillColorButton"));
    QCOMPARE(prompt.colors().size(), 1);
    QVERIFY(prompt.colors().first().title == "Fill Color" && prompt.colors().first().withAlpha == alphaOffered);
    QCOMPARE(m_bench->value(P::FillColor).toStringList().join(' '), stored);
    QCOMPARE(m_bench->history.UndoCount(), answer.isValid() ? 1 : 0);
}

void TestPropertyWidget::chosenImage_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSizeF>("size");
    QTest::newRow("new image takes the picture's size") << QStringList{"type:image", "width:100", "height:50"}
                                                        << "new.png" << QSizeF(30, 20);
    QTest::newRow("image with a path keeps its size")
        << QStringList{"type:image", "width:100", "height:50", "path:old.png"} << "new.png" << QSizeF(100, 50);
    QTest::newRow("page keeps its size") << QStringList{"type:screen", "width:500", "height:700", "is image mode:1"}
                                         << "new.png" << QSizeF(500, 700);
    QTest::newRow("unreadable picture changes nothing")
        << QStringList{"type:image", "width:100", "height:50", "path:old.png"} << "broken.png" << QSizeF(100, 50);
}

void TestPropertyWidget::chosenImage()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, picture);
    QFETCH(QSizeF, size);
    QTemporaryDir dir;
    const QString chosen = dir.filePath(picture);
    QVERIFY(KorvexTestFiles::writePng(dir.filePath("old.png")) && KorvexTestFiles::writePng(dir.filePath("new.png"), QSize(30, 20))
            && KorvexTestFiles::writeFile(dir.filePath("broken.png"), "not a picture"));
    lines.replaceInStrings("old.png", dir.filePath("old.png"));
    m_bench->show(lines);
    const QString before = m_bench->value(P::Path).toString();
    KorvexScriptedPrompt prompt;
    prompt.answerFile(chosen);
    m_bench->panel.openItemEditor();
    QCOMPARE(prompt.files().first().title, QString("Open Image"));
    QCOMPARE(prompt.files().first().filter, QString("Image Files (*.png *.jpg *.bmp)"));
    const bool broken = picture == "broken.png";
    QCOMPARE(m_bench->value(P::Path).toString(), broken ? before : chosen);
    QCOMPARE(QSizeF(m_bench->value(P::Width).toDouble(), m_bench->value(P::Height).toDouble()), size);
    QCOMPARE(prompt.messages().size(), broken ? 1 : 0);
    if (broken)
        QCOMPARE(prompt.messages().first().title + '|' + prompt.messages().first().text,
                 "Invaild image|failed reading image " + chosen);
    QCOMPARE(storedDesignerValue("imagelastpath").toString(), chosen);
}

void TestPropertyWidget::clearButtonStoresABlank()
{
    QTemporaryDir dir;
    QVERIFY(KorvexTestFiles::writePng(dir.filePath("a.png")));
    m_bench->show({"type:image", "path:" + dir.filePath("a.png")});
    click(m_bench->field<QPushButton>("imageXButton"));
    QCOMPARE(m_bench->value(P::Path).toString(), QString(" "));
    QCOMPARE(m_bench->history.UndoCount(), 1);
    m_bench->scene.undo();
    QCOMPARE(m_bench->value(P::Path).toString(), dir.filePath("a.png"));
}

void TestPropertyWidget::panelEditSurvivesSaveAndOpen()
{
    QTemporaryDir dir;
    m_bench->show(rect);
    typeInto(m_bench->field<QSpinBox>("widthSpinBox"), "240");
    m_bench->field<QSpinBox>("penWidthSpinBox")->setValue(6);
    KorvexScriptedPrompt prompt;
    prompt.answerColor(QColor(200, 100, 50));
    click(m_bench->field<QPushButton>("penColorButton"));
    const QString path = dir.filePath("page.ktf");
    QVERIFY(m_bench->scene.writeTemplate(path) && !m_bench->panel.hasPendingChange());
    PanelBench reopened;
    QVERIFY(reopened.scene.readTemplate(path));
    reopened.item = reopened.scene.pageItems().first();
    QCOMPARE(reopened.value(P::Width).toDouble(), 240.0);
    QCOMPARE(reopened.value(P::PenWidth).toDouble(), 6.0);
    QCOMPARE(reopened.value(P::PenColor).toStringList(), QStringList({"200", "100", "50"}));
}

void TestPropertyWidget::dictionarySources()
{
    CKorvexDictionary::SaveDictionary({{Korvex::fromQString("Logo"), Korvex::fromQString("/pictures/logo.png")},
                                       {Korvex::fromQString("Title"), Korvex::fromQString("Annual report")}});
    m_bench->show({"type:image", "image source type:dictionary", "scene state type:index"});
    m_bench->field<QLineEdit>("ImgDicLineEdit")->setText("logo  ");
    QCOMPARE(m_bench->field<QLineEdit>("ImgDicValueLineEdit")->text(), QString("/pictures/logo.png"));
    m_bench->field<QLineEdit>("ImgDicLineEdit")->setText("Logo");
    m_bench->field<QLineEdit>("ImgDicValueLineEdit")->clear();
    QVERIFY(!CKorvexDictionary::HasDictionaryKey(QString("Logo")));

    pick(m_bench->field<QComboBox>("imgSourceComboBox"), "From Scene State");
    m_bench->field<QLineEdit>("ImgSceneStateLineEdit")->setText("3");
    QCOMPARE(m_bench->value(P::SceneStateIndex).toInt(), 2);

    m_bench->show({"type:label", "text source type:dictionary"});
    m_bench->field<QLineEdit>("textDicLineEdit")->setText("title ");
    QCOMPARE(m_bench->field<QLineEdit>("textDicValueLineEdit")->text(), QString());
    m_bench->field<QLineEdit>("textDicLineEdit")->setText("title");
    QCOMPARE(m_bench->field<QLineEdit>("textDicValueLineEdit")->text(), QString("Annual report"));
    m_bench->field<QLineEdit>("textDicValueLineEdit")->clear();
    QVERIFY(!CKorvexDictionary::HasDictionaryKey(QString("Title")));
}

void TestPropertyWidget::gradientFromTheDialog()
{
    QTemporaryDir dir;
    m_bench->show({"type:rect", "is gradient mode:1", "fill color gradient:0 0 1 0 0 0 0 255 1 255 255 255"});
    KorvexScriptedPrompt prompt;
    QString handed;
    prompt.answerDialog([&handed](QDialog& dialog) {
        auto& gradient = static_cast<CKorvexGradientDialog&>(dialog);
        handed = gradient.gradientList().join(' ');
        gradient.ramp()->setRamp({{0.0, Qt::red}, {0.25, Qt::green}, {1.0, Qt::blue}});
        gradient.onOkButtonClicked();
        return int(QDialog::Accepted);
    });
    click(m_bench->field<QPushButton>("fillColorButton"));
    const QString stored = "0 0 1 0 0 255 0 0 0.25 0 255 0 1 0 0 255";
    QCOMPARE(handed, QString("0 0 1 0 0 0 0 255 1 255 255 255"));
    QCOMPARE(m_bench->value(P::FillColorGradient).toStringList().join(' '), stored);
    QCOMPARE(m_bench->history.UndoCount(), 1);
    QVERIFY(m_bench->scene.writeTemplate(dir.filePath("page.ktf")));
    PanelBench reopened;
    QVERIFY(reopened.scene.readTemplate(dir.filePath("page.ktf")));
    reopened.item = reopened.scene.pageItems().first();
    QCOMPARE(reopened.value(P::FillColorGradient).toStringList().join(' '), stored);
    m_bench->scene.undo();
    QCOMPARE(m_bench->value(P::FillColorGradient).toStringList().join(' '), QString("0 0 1 0 0 0 0 255 1 255 255 255"));
}

void TestPropertyWidget::newLabelTextFromTheEditor()
{
    KorvexScriptedPrompt prompt;
    QString familyShown;
    prompt.answerDialog([&familyShown](QDialog& dialog) {
        familyShown = child<QComboBox>(&dialog, "fontNameComBox")->currentText() + ' '
                      + child<QComboBox>(&dialog, "fontSizeComBox")->currentText();
        auto* text = child<QTextEdit>(&dialog, "textEdit");
        text->selectAll();
        QTest::keyClicks(text, "Hello");
        click(child<QPushButton>(&dialog, "okPushButton"));
        return dialog.result();
    });
    QGraphicsItem* label = m_bench->scene.createItem("label", QPointF(20, 20));
    QCOMPARE(familyShown, m_bench->panel.fontCatalog().defaultFamily() + " 12");
    QCOMPARE(m_bench->scene.itemProperties(label).value(P::Text).toString(), QString("Hello"));
    QVERIFY(m_bench->panel.hasPendingChange() && prompt.pendingAnswers() == 0);
}

KORVEX_TEST_MAIN(TestPropertyWidget)
#include "tst_propertywidget.moc"
