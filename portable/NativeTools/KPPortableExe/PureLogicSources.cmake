# The launcher's pure logic: no Windows call, no launch log, no process-wide
# state, so that it builds and runs on its own. One list for the launchers
# (CMakeLists.txt beside this file) and the natively built fuzzers
# (tests/fuzz).
set(KP_PURE_LOGIC_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CommandLine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandTail.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JavaCommand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JvmOptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LauncherPaths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartDirectoryLength.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextBuffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextModeReader.cpp)
