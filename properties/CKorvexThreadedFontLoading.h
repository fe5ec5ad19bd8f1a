#pragma once

#include <QThread>

class CKorvexFontCatalog;

/// Fills a font catalog away from the GUI thread; nothing reads the catalog until it finishes.
class CKorvexThreadedFontLoading : public QThread
{
    Q_OBJECT

public:
    explicit CKorvexThreadedFontLoading(CKorvexFontCatalog& catalog, QObject* parent = nullptr);

protected:
    void run() override;

private:
    CKorvexFontCatalog& m_catalog;
};
