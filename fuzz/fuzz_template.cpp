// Opens hostile templates, packages and bare text files alike, through the scene as the Open
// command does, and holds the page to its promise: every item it ends up with builds a
// record whose block reads back to itself, and closing the page leaves nothing on disk.

#include "fuzz/KorvexFuzzEnvironment.h"
#include "io/CKorvexDesignerProperty.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace {

constexpr char target[] = "template";

void checkRecord(const CKorvexDesignerProperty& record)
{
    const QString block = record.toItemBlock();
    QStringList lines = block.split(QLatin1Char('\n'));
    KORVEX_FUZZ_CHECK(target, lines.size() >= 2, block);
    CKorvexDesignerProperty again;
    again.fromItemBlock(lines.mid(1, lines.size() - 2).join(QLatin1Char('\n')));
    KORVEX_FUZZ_CHECK(target, again.toItemBlock() == block, block);
}

void readTemplate(const QString& path)
{
    CKorvexDesignerScene scene;
    scene.readTemplate(path);
    QList<QGraphicsItem*> items = scene.pageItems();
    items.prepend(scene.screen());
    for (QGraphicsItem* item : items)
        checkRecord(scene.itemProperties(item));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString temp = KorvexFuzzEnvironment::instance().tempPath();
    const QString input = KorvexFuzzEnvironment::instance().writeInput(target, QStringLiteral("page.ktf"), data, size);

    readTemplate(input);
    const QStringList left = QDir(temp).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                  | QDir::NoDotAndDotDot);
    KORVEX_FUZZ_CHECK(target, left == QStringList{QStringLiteral("page.ktf")}, left.join(QLatin1Char('\n')));
    QFile::remove(input);
    return 0;
}
