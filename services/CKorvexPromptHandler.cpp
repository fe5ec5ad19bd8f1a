#include "services/CKorvexPromptHandler.h"

CKorvexPromptHandler::~CKorvexPromptHandler() = default;
