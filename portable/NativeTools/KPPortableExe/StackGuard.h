// The stack protector's guard, the launcher's own.
#pragma once

// Sets the guard to a value that differs with every start. Must run before
// any protected function has a frame on the stack: the entry point calls it
// first.
extern "C" void SeedStackGuard();
