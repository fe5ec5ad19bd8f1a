#include "scene/CKorvexPropertyPanel.h"

CKorvexPropertyPanel::~CKorvexPropertyPanel() = default;
