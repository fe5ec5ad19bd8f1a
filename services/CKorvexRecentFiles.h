#pragma once

#include <QStringList>

/// The templates last opened or saved, newest first, kept in the settings store.
class CKorvexRecentFiles
{
public:
    static constexpr int maximum = 10;

    static QStringList files();
    /// Puts the file first, once, and forgets the oldest beyond the maximum.
    static void add(const QString& path);
    static void remove(const QString& path);

private:
    static void store(const QStringList& files);
};
