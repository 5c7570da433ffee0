// The start directory: the launcher's current directory at start, the folder
// every relative path of the launcher is joined to.
#pragma once

#include "VariantProfile.h"

// Whether a current directory whose full path the system reports as
// reportedLength chars (0: unreadable; PATH_BUFFER_SIZE or more: the size it
// would need) can serve as the start directory.
bool IsUsableStartDirectoryLength(unsigned long reportedLength);

// Fills startDirectory with the current directory as a full path. When it
// cannot be read, or is too long, shows MSG_NO_START_DIRECTORY, leaves the
// empty text and returns false.
bool GetStartDirectory(char (&startDirectory)[PATH_BUFFER_SIZE]);
