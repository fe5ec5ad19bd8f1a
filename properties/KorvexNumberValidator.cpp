#include "properties/KorvexNumberValidator.h"

#include <limits>

KorvexNumberValidator::KorvexNumberValidator(QObject* parent)
    : QValidator(parent)
{
}

QValidator::State KorvexNumberValidator::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return Intermediate;
    for (const QChar c : qAsConst(input)) {
        if (!c.isDigit() || c.unicode() > '9')
            return Invalid;
    }
    bool ok = false;
    const qlonglong value = input.toLongLong(&ok);
    // Beyond an int the number can name no scene state; refusing it keeps the stored index exact.
    if (!ok || value > std::numeric_limits<int>::max())
        return Invalid;
    return value >= 1 ? Acceptable : Intermediate;
}

void KorvexNumberValidator::fixup(QString& input) const
{
    bool ok = false;
    if (input.toLongLong(&ok) < 1 || !ok)
        input = QStringLiteral("1");
}
