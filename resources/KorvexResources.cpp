#include "resources/KorvexResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be called outside any namespace.
static void initKorvexDesignerResources()
{
    Q_INIT_RESOURCE(KorvexDesigner);
}

void korvexInitResources()
{
    initKorvexDesignerResources();
}
