#include "LauncherState.h"

LauncherState launcherState;
