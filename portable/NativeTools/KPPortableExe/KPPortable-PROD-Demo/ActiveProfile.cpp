// Selects the Demo row: the PROD launcher with the demo start-properties file.
#include "VariantRows.h"

const VariantProfile ACTIVE_PROFILE = DEMO_PROFILE;
const MessageCatalogue ACTIVE_MESSAGES = CatalogueFor(DEMO_PROFILE.textLanguage);
