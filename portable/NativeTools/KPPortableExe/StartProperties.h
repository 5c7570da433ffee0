// The start-properties reader: the JVM options at the head of the variant's
// start-properties file, or of the file named with -c.
#pragma once

// Reads the options into launcherState.jvmOptions and sets propertiesLoaded
// when the file could be opened; jvmOptionsTooLong when they did not fit.
// When the file cannot be opened, logs and shows MSG_FILE_NOT_FOUND with the
// name as typed.
void LoadStartProperties(const char* startDirectory);
