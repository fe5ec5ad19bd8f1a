#include "properties/CKorvexPaperSizes.h"

namespace {

QVector<CKorvexPaperSizes::Paper> buildPapers()
{
    QVector<CKorvexPaperSizes::Paper> list{
        {QStringLiteral("Custom"), 8.27, 11.69},
        {QStringLiteral("4A0"), 66.22, 93.62},
        {QStringLiteral("2A0"), 46.81, 66.22},
    };
    static const double aSeries[][2] = {{33.11, 46.81}, {23.39, 33.11}, {16.54, 23.39},
                                        {11.69, 16.54}, {8.27, 11.69},  {5.83, 8.27},
                                        {4.13, 5.83},   {2.91, 4.13},   {2.05, 2.91},
                                        {1.46, 2.05},   {1.02, 1.46}};
    for (int i = 0; i <= 10; ++i)
        list.append({QStringLiteral("A%1").arg(i), aSeries[i][0], aSeries[i][1]});
    list.append({QStringLiteral("Letter"), 8.5, 11});
    list.append({QStringLiteral("Tabloid"), 11, 17});
    list.append({QStringLiteral("Ledger"), 17, 11});
    list.append({QStringLiteral("Legal"), 8.5, 14});
    list.append({QStringLiteral("Executive"), 7.25, 10.5});
    return list;
}

} // namespace

const QVector<CKorvexPaperSizes::Paper>& CKorvexPaperSizes::papers()
{
    static const QVector<Paper> list = buildPapers();
    return list;
}

int CKorvexPaperSizes::indexOf(const QString& name)
{
    const QVector<Paper>& list = papers();
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).name == name)
            return i;
    }
    return -1;
}

const CKorvexPaperSizes::Paper& CKorvexPaperSizes::paper(int index)
{
    const QVector<Paper>& list = papers();
    return index >= 0 && index < list.size() ? list.at(index) : list.first();
}

bool CKorvexPaperSizes::isPortrait(const Paper& paper)
{
    return paper.widthInches <= paper.heightInches;
}
