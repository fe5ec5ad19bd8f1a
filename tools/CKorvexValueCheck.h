#pragma once

#include <QString>

/// Judges the text of one record value: does it read as the key's kind says, or does the
/// reader fall back to a default for it.
class CKorvexValueCheck
{
public:
    /// Why the text does not read under key, or empty when it reads (or the key is unknown).
    static QString problemOf(const QString& key, const QString& text);

private:
    static bool isReal(const QString& text);
    static bool isInteger(const QString& text);
    static bool isBoolean(const QString& text);
    static bool isComponent(const QString& text);
    static bool isPoint(const QString& text);
    static bool isColor(const QString& text);
    static bool isGradient(const QString& text);
    static QString wordProblem(const QString& key, const QString& text);
};
