#pragma once

#include <QString>
#include <memory>

class QSettings;

/// The product-information record: names the product and opens its one settings store.
class CKorvexProductInfo
{
public:
    static QString organizationName();
    static QString applicationName();
    static QString version();

    /// The application settings store ("Korvex" / product name); every reader and writer opens it here.
    static std::unique_ptr<QSettings> openSettings();
};
