#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

void Require(bool condition, const char* violated)
{
    if (!condition) {
        std::fprintf(stderr, "violated: %s\n", violated);
        std::abort();
    }
}
