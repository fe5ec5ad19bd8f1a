#include "KorvexTestMain.h"
#include "properties/CKorvexFontCatalog.h"
#include "properties/CKorvexTextEditor.h"

#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>

namespace {

/// A text of count characters in runs of three families.
void fillInThreeFamilies(QTextDocument& document, int count)
{
    const QStringList families{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Serif"),
                               QStringLiteral("DejaVu Sans Mono")};
    QTextCursor cursor(&document);
    const QString run = QStringLiteral("Lorem ipsum dolor sit amet, consectetur adipiscing elit. ");
    for (int written = 0, index = 0; written < count; ++index) {
        QTextCharFormat format;
        format.setFontFamily(families.at(index % families.size()));
        const QString part = run.left(count - written);
        cursor.insertText(part, format);
        written += part.size();
    }
}

} // namespace

class BenchTextEditor : public QObject
{
    Q_OBJECT

private slots:
    void fontLoading_data() { addRow("0"); }
    void fontLoading();
    void editorFirstOpen_data() { addRow("0"); }
    void editorFirstOpen();
    void editorSecondOpen_data() { addRow("0"); }
    void editorSecondOpen();
    void coverageWalk_data() { addRow("10000"); }
    void coverageWalk();

private:
    static void addRow(const char* tag)
    {
        QTest::addColumn<int>("unused");
        QTest::newRow(tag) << 0;
    }
    static void openAndClose(CKorvexFontCatalog& catalog)
    {
        QTextDocument document(QStringLiteral("Sample Text"));
        CKorvexTextEditor editor(catalog);
        editor.setDocument(&document, true);
        editor.show();
        QCoreApplication::processEvents();
        editor.close();
    }

    CKorvexFontCatalog m_catalog;
};

void BenchTextEditor::fontLoading()
{
    CKorvexFontCatalog catalog;
    QBENCHMARK_ONCE {
        catalog.load();
    }
    std::printf("KORVEX_BENCH_NOTE %lld font families listed and registered\n",
                static_cast<long long>(catalog.families().size()));
}

void BenchTextEditor::editorFirstOpen()
{
    // The first text edit of a run: the catalog is still empty and the editor fills it.
    QBENCHMARK_ONCE {
        openAndClose(m_catalog);
    }
}

void BenchTextEditor::editorSecondOpen()
{
    QBENCHMARK {
        openAndClose(m_catalog);
    }
}

void BenchTextEditor::coverageWalk()
{
    QTextDocument document;
    fillInThreeFamilies(document, 10000);
    CKorvexTextEditor editor(m_catalog);
    editor.setDocument(&document, false);
    editor.okButtonClicked(); // opens and keeps the three faces
    QBENCHMARK {
        editor.okButtonClicked();
    }
}

KORVEX_TEST_MAIN(BenchTextEditor)
#include "bench_texteditor.moc"
