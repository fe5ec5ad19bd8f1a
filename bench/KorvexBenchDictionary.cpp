#include "bench/KorvexBenchDictionary.h"

#include "bench/KorvexBenchPage.h"
#include "io/CKorvexPropertyKeys.h"

#include <QFile>
#include <QFileInfo>
#include <QPointF>

namespace P = CKorvexPropertyKeys;
namespace T = CKorvexItemTypes;

namespace {

constexpr int columns = 20;
constexpr double cellWidth = 58;
constexpr double cellHeight = 32;

CKorvexDesignerProperty boundRecord(int index, int entry)
{
    const bool label = index % 2 == 0;
    CKorvexDesignerProperty record;
    record.setValue(P::Type, label ? T::Label : T::Image);
    record.setValue(P::StartLocation, QPointF(10 + index % columns * cellWidth, 10 + index / columns % 50 * cellHeight));
    record.setValue(P::ZValue, index + 1);
    record.setValue(P::Width, cellWidth - 4);
    record.setValue(P::Height, cellHeight - 4);
    record.setValue(P::DictionaryKey, KorvexBenchDictionary::key(entry));
    if (label) {
        record.setValue(P::TextSourceType, QStringLiteral("dictionary"));
        record.setValue(P::Html, QStringLiteral("<p style=\"margin:0\"><span style=\"font-family:'DejaVu Sans'; "
                                                "font-size:9pt;\">typed</span></p>"));
    } else {
        record.setValue(P::ImageSourceType, QStringLiteral("dictionary"));
        record.setValue(P::ScaleToFit, 1);
        record.setValue(P::KeepAspectRatio, 1);
    }
    return record;
}

} // namespace

KorvexBenchDictionary::KorvexBenchDictionary(const KorvexBenchPage& page) : m_page(page) {}

QString KorvexBenchDictionary::key(int index)
{
    return QStringLiteral("Entry %1").arg(index, 5, 10, QLatin1Char('0'));
}

CKorvexDictionary::DictionaryMap KorvexBenchDictionary::entries(int count) const
{
    CKorvexDictionary::DictionaryMap dictionary;
    for (int index = 0; index < count; ++index) {
        const QString value = index < KorvexBenchPage::pictureCount
                                  ? m_page.picturePath(index)
                                  : QStringLiteral("Value %1 for the template").arg(index);
        dictionary.insert(Korvex::fromQString(key(index)), Korvex::fromQString(value));
    }
    return dictionary;
}

QString KorvexBenchDictionary::writeFile(const QString& folder, int count) const
{
    const QString path = folder + QStringLiteral("/dictionary-%1.df").arg(count);
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(CKorvexDictionary::dictionaryText(entries(count)));
    }
    return path;
}

QList<CKorvexDesignerProperty> KorvexBenchDictionary::boundRecords(int count) const
{
    QList<CKorvexDesignerProperty> result{m_page.records(0).first()};
    constexpr int pictures = KorvexBenchPage::pictureCount;
    for (int index = 0; index < count; ++index) {
        // Images name the picture entries, labels the text entries, spread over the dictionary.
        const int entry = index % 2 == 0 ? pictures + index * 7919 % (boundEntryCount - pictures) : index % pictures;
        result.append(boundRecord(index, entry));
    }
    return result;
}
