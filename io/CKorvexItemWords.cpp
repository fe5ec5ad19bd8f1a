#include "io/CKorvexItemWords.h"

#include <QStringList>

namespace {

const QStringList& imageSourceWords()
{
    static const QStringList words{QStringLiteral("file"), QStringLiteral("dictionary"), QStringLiteral("scene state")};
    return words;
}

const QStringList& sceneStateChoiceWords()
{
    static const QStringList words{QStringLiteral("name"), QStringLiteral("index")};
    return words;
}

const QStringList& textSourceWords()
{
    static const QStringList words{QStringLiteral("text editor"), QStringLiteral("dictionary")};
    return words;
}

} // namespace

QString CKorvexItemWords::wordAt(const QStringList& words, int index)
{
    return index >= 0 && index < words.size() ? words.at(index) : QString();
}

QString CKorvexItemWords::imageSourceWord(int source)
{
    return wordAt(imageSourceWords(), source);
}

int CKorvexItemWords::imageSourceFromWord(const QString& word)
{
    return imageSourceWords().indexOf(word);
}

QString CKorvexItemWords::sceneStateChoiceWord(int choice)
{
    return wordAt(sceneStateChoiceWords(), choice);
}

int CKorvexItemWords::sceneStateChoiceFromWord(const QString& word)
{
    return sceneStateChoiceWords().indexOf(word);
}

QString CKorvexItemWords::textSourceWord(int source)
{
    return wordAt(textSourceWords(), source);
}

int CKorvexItemWords::textSourceFromWord(const QString& word)
{
    return textSourceWords().indexOf(word);
}
