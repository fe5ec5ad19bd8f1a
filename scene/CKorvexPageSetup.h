#pragma once

#include <QString>
#include <functional>

/// The page values the page size dialog shows and gives back.
struct CKorvexPageSetup
{
    double width = 500.0;
    double height = 700.0;
    QString pageSizeType = QStringLiteral("Custom");
    int dpi = 72;
};

/// Shows the page size dialog for setup; false when the user cancelled.
using CKorvexPageSetupChooser = std::function<bool(CKorvexPageSetup& setup)>;
