#pragma once

#include <QString>

/// The record words of the items' enumerations: image source, scene state choice, text source.
class CKorvexItemWords
{
public:
    /// "file", "dictionary", "scene state"; empty outside the range.
    static QString imageSourceWord(int source);
    /// The source of a word, or -1.
    static int imageSourceFromWord(const QString& word);
    /// "name", "index".
    static QString sceneStateChoiceWord(int choice);
    static int sceneStateChoiceFromWord(const QString& word);
    /// "text editor", "dictionary".
    static QString textSourceWord(int source);
    static int textSourceFromWord(const QString& word);

private:
    static QString wordAt(const QStringList& words, int index);
};
