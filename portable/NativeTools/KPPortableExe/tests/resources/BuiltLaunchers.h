// The three built launchers as the rows of the resource and image tables,
// found in the folder of the test program: the build puts every executable
// into one bin folder.
#pragma once

#include <string>

#include "HarnessFacts.h"

struct Deliverable {
    const char* name;  // file name without ".exe", and the OriginalFilename
};

inline const Deliverable DELIVERABLES[] = {{PROD}, {DEMO}, {DIAGNOSTIC}};

inline std::string PathOf(const Deliverable& deliverable)
{
    return DeliverablePath(deliverable.name);
}
