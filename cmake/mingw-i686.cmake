# Cross build for 32-bit Windows: the shipped launcher. Built and checked, not run
# (this kernel cannot execute 32-bit programs, so 32-bit Wine is unavailable).
set(LAUNCHER_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/MingwToolchain.cmake)
