# Cross build for 64-bit Windows; the tests of this build run under wine64.
set(LAUNCHER_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
# Test programs run under wine64 through this script, which takes the loader from wine-env.sh.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
