#pragma once

#include <QString>
#include <QStringList>

/// The command line of korvex-template: one command, its files and its options.
class CKorvexToolArguments
{
public:
    /// Reads the arguments after the program name; error() names the first mistake.
    static CKorvexToolArguments parse(const QStringList& arguments);
    /// One line per command: its synopsis and what it does.
    static QString helpText();

    QString command() const { return m_command; }
    QStringList files() const { return m_files; }
    QString file(int index) const { return m_files.value(index); }
    bool wantsHelp() const { return m_help; }
    bool wantsVersion() const { return m_version; }
    bool json() const { return m_json; }
    double scale() const { return m_scale; }
    /// The side of the thumbnail's square, in pixels.
    int size() const { return m_size; }
    QString dictionary() const { return m_dictionary; }
    QString error() const { return m_error; }

private:
    bool readOption(const QStringList& arguments, int& index);
    bool takeValue(const QString& option, const QStringList& arguments, int& index, QString& value);
    bool allows(const QString& option) const;
    bool readSize(const QString& value);
    void checkFiles();

    QString m_command;
    QStringList m_files;
    bool m_help = false;
    bool m_version = false;
    bool m_json = false;
    double m_scale = 1.0;
    int m_size = 128;
    QString m_dictionary;
    QString m_error;
};
