#include "properties/CKorvexThreadedFontLoading.h"

#include "properties/CKorvexFontCatalog.h"

CKorvexThreadedFontLoading::CKorvexThreadedFontLoading(CKorvexFontCatalog& catalog, QObject* parent)
    : QThread(parent)
    , m_catalog(catalog)
{
}

void CKorvexThreadedFontLoading::run()
{
    m_catalog.load();
}
