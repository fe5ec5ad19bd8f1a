#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QTranslator;

/// Finds the translation files of a languages folder, groups them by language and installs them.
class CKorvexLanguageService
{
public:
    /// The one service of the process.
    static CKorvexLanguageService& instance();

    CKorvexLanguageService();
    ~CKorvexLanguageService();
    CKorvexLanguageService(const CKorvexLanguageService&) = delete;
    CKorvexLanguageService& operator=(const CKorvexLanguageService&) = delete;

    /// An empty folder means the "languages" folder beside the executable. Rescans the folder.
    void setLanguagesDirectory(const QString& directory);
    QString languagesDirectory() const;

    /// The language names found, in the name order of their first file.
    QStringList languages() const;
    /// The paths of one language's files, in name order.
    QStringList files(const QString& language) const;
    bool isRightToLeft(const QString& language) const;

    /// The language stored under "translation"; "English" when missing or empty.
    static QString chosenLanguage();
    static void setChosenLanguage(const QString& language);

    /// The language whose translators are installed now; empty before the first switch.
    QString currentLanguage() const;
    /// Replaces the installed translators by those of the language; an empty name does nothing.
    void switchLanguage(const QString& language);
    int installedTranslatorCount() const;

    /// Groups the translation files of a folder by language name.
    static QMap<QString, QStringList> discover(const QString& directory, QStringList* order = nullptr);
    /// The language a translation file name belongs to; empty when it is no translation file.
    static QString languageOfFile(const QString& fileName);

private:
    void removeTranslators();

    QString m_directory;
    QStringList m_order;
    QMap<QString, QStringList> m_files;
    QString m_current;
    QList<QTranslator*> m_translators;
};
