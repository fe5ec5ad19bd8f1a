#pragma once

#include <QString>
#include <QVector>

/// The standard paper sizes of the page size list, in list order, in inches as printed portrait.
class CKorvexPaperSizes
{
public:
    struct Paper
    {
        QString name;
        double widthInches;
        double heightInches;
    };

    /// "Custom" first, then the A series, Letter, Tabloid, Ledger, Legal, Executive.
    static const QVector<Paper>& papers();
    /// The index of an exact (case-sensitive) name, or -1.
    static int indexOf(const QString& name);
    /// The paper at an index; anything out of range gives "Custom".
    static const Paper& paper(int index);
    static bool isPortrait(const Paper& paper);
};
