// Stands in for the launch log in tests of the run and of the Windows layer:
// keeps every entry.
#pragma once

#include <string>
#include <vector>

extern std::vector<std::string> recordedLogEntries;
