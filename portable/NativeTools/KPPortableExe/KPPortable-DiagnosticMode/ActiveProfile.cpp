// Selects the DiagnosticMode row: German texts, the console Java runtime with
// its output captured, and the data folder prepared.
#include "VariantRows.h"

const VariantProfile ACTIVE_PROFILE = DIAGNOSTIC_PROFILE;
const MessageCatalogue ACTIVE_MESSAGES = CatalogueFor(DIAGNOSTIC_PROFILE.textLanguage);
