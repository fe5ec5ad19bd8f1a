#include "app/CKorvexPageSizePrompt.h"

#include "properties/CKorvexPageSize.h"
#include "services/CKorvexPrompt.h"

bool CKorvexPageSizePrompt::choose(QWidget* parent, CKorvexPageSetup& setup)
{
    CKorvexPageSize dialog(parent);
    // The type is chosen after the size so that a landscape page keeps its orientation.
    dialog.setSize(setup.width, setup.height);
    dialog.setPageSizeType(setup.pageSizeType);
    dialog.setResolution(setup.dpi);
    if (CKorvexPrompt::exec(dialog) != QDialog::Accepted)
        return false;
    const QSizeF size = dialog.size();
    setup.width = size.width();
    setup.height = size.height();
    setup.pageSizeType = dialog.pageSizeType();
    setup.dpi = dialog.resolution();
    return true;
}
