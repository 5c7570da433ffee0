// What every fuzzer of the launcher's logic shares: a check that aborts, so
// that libFuzzer reports the input as a crash even in an NDEBUG build.
#pragma once

// Prints what was violated and aborts when condition is false.
void Require(bool condition, const char* violated);
