#pragma once

#include <QString>
#include <QVariant>

/// Text forms of property values: how each of the thirty keys is written and read (C locale).
class CKorvexPropertyText
{
public:
    enum class Kind { Unknown, Text, Point, Integer, Real, Boolean, ColorList, GradientList, MultiLineText, FontList };

    static Kind kindOf(const QString& key);
    static bool isKnownKey(const QString& key);
    static QStringList knownKeys();

    /// General format with 6 significant digits: 100, 12.5, 0.333333, 1.23457e+06.
    static QString formatReal(double value);
    /// Rounded to the nearest whole number (half up) and clamped to the 32-bit range.
    static int roundToInteger(double value);

    static QString toText(const QString& key, const QVariant& value);
    /// The in-memory value for a text read under key; malformed points and colours give an invalid value.
    static QVariant fromText(const QString& key, const QString& text);

private:
    static QString pointText(const QVariant& value);
    static QString integerText(const QVariant& value);
    static QString multiLineText(const QString& text);
    static QVariant pointFromText(const QString& text);
    static QVariant splitList(const QString& text, int minParts, int maxParts);
};
