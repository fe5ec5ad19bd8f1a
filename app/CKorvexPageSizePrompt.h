#pragma once

#include "scene/CKorvexPageSetup.h"

class QWidget;

/// Runs the page size dialog through the prompt seam for the scene's new pages and the Page Size command.
class CKorvexPageSizePrompt
{
public:
    /// Fills the dialog from setup, runs it and, when accepted, writes the choice back; false when cancelled.
    static bool choose(QWidget* parent, CKorvexPageSetup& setup);
};
