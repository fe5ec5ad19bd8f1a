#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "services/CKorvexProductInfo.h"
#include "services/CKorvexPrompt.h"

#include <QDialog>
#include <QSettings>

class TestPrompt : public QObject
{
    Q_OBJECT

private slots:
    void messageAnsweredByButtonTextElseEscape();
    void singleButtonBoxAnswersItself();
    void fileAndDialogScripts();
    void scriptsNestAndTheHomeIsPrivate();
};

void TestPrompt::messageAnsweredByButtonTextElseEscape()
{
    KorvexScriptedPrompt prompt;
    prompt.answerMessage(QStringLiteral("Discard"));
    CKorvexMessageRequest request;
    request.buttons = QStringList{QStringLiteral("Save"), QStringLiteral("Discard"), QStringLiteral("Cancel")};
    request.escapeButton = 2;
    QCOMPARE(CKorvexPrompt::message(nullptr, request), 1);
    QCOMPARE(prompt.unanswered(), 0);
    QCOMPARE(CKorvexPrompt::message(nullptr, request), 2);
    QVERIFY(!CKorvexPrompt::color(nullptr, Qt::red).isValid());
    QCOMPARE(prompt.unanswered(), 2);
}

void TestPrompt::singleButtonBoxAnswersItself()
{
    KorvexScriptedPrompt prompt;
    CKorvexPrompt::warning(nullptr, QStringLiteral("Title"), QStringLiteral("Text"));
    QCOMPARE(prompt.messages().size(), 1);
    QCOMPARE(prompt.messages().first().title, QStringLiteral("Title"));
    QCOMPARE(prompt.messages().first().text, QStringLiteral("Text"));
    QCOMPARE(prompt.messages().first().icon, QMessageBox::Warning);
    QCOMPARE(prompt.messages().first().buttons, QStringList{QStringLiteral("Ok")});
    QCOMPARE(prompt.unanswered(), 0);
}

void TestPrompt::fileAndDialogScripts()
{
    KorvexScriptedPrompt prompt;
    prompt.answerFile(QStringLiteral("/tmp/a.ktf"));
    prompt.answerDialog([](QDialog& dialog) {
        dialog.setWindowTitle(QStringLiteral("seen"));
        return int(QDialog::Accepted);
    });
    QCOMPARE(CKorvexPrompt::saveFileName(nullptr, QStringLiteral("Save"), QString(), QString()),
             QStringLiteral("/tmp/a.ktf"));
    QCOMPARE(prompt.files().first().mode, CKorvexFileRequest::Save);
    QDialog dialog;
    QCOMPARE(CKorvexPrompt::exec(dialog), int(QDialog::Accepted));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("seen"));
    QCOMPARE(CKorvexPrompt::openFileName(nullptr, QString(), QString(), QString()), QString());
    QCOMPARE(prompt.unanswered(), 1);
}

void TestPrompt::scriptsNestAndTheHomeIsPrivate()
{
    KorvexScriptedPrompt outer;
    {
        KorvexScriptedPrompt inner;
        QCOMPARE(&CKorvexPrompt::handler(), static_cast<CKorvexPromptHandler*>(&inner));
    }
    QCOMPARE(&CKorvexPrompt::handler(), static_cast<CKorvexPromptHandler*>(&outer));
    QVERIFY(QDir::homePath().contains(QStringLiteral("korvex-test-")));
    QVERIFY(CKorvexProductInfo::openSettings()->fileName().contains(QStringLiteral("korvex-test-")));
}

KORVEX_TEST_MAIN(TestPrompt)
#include "tst_prompt.moc"
