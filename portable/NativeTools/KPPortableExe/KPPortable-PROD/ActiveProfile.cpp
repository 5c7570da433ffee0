// Selects the PROD row: the launcher started by a double-click in the folder.
#include "VariantRows.h"

const VariantProfile ACTIVE_PROFILE = PROD_PROFILE;
const MessageCatalogue ACTIVE_MESSAGES = CatalogueFor(PROD_PROFILE.textLanguage);
