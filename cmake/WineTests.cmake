# Windows test programs run under wine64 in one prefix per build folder. A fixture
# creates the prefix and keeps one wineserver alive for the run, then stops exactly it.
set(LAUNCHER_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(LAUNCHER_WINE_ENV ${PROJECT_SOURCE_DIR}/scripts/wine-env.sh)

if(NOT TEST wine_prefix_up)
  add_test(NAME wine_prefix_up COMMAND bash ${LAUNCHER_WINE_ENV} up)
  add_test(NAME wine_prefix_down COMMAND bash ${LAUNCHER_WINE_ENV} down)
  set_tests_properties(wine_prefix_up PROPERTIES FIXTURES_SETUP wine_prefix
    ENVIRONMENT "WINEPREFIX=${LAUNCHER_WINEPREFIX}")
  set_tests_properties(wine_prefix_down PROPERTIES FIXTURES_CLEANUP wine_prefix
    ENVIRONMENT "WINEPREFIX=${LAUNCHER_WINEPREFIX}")
endif()

# add_wine_test(NAME TARGET [ARGS...]): runs TARGET twice, once with Wine's ANSI code
# page 1252 (LC_ALL=C.UTF-8) and once with 932 (LC_ALL=ja_JP.UTF-8): the launcher must be
# right on both.
function(add_wine_test name target)
  foreach(variant cp1252 cp932)
    if(variant STREQUAL "cp1252")
      # C.UTF-8: still code page 1252, but Wine can name Japanese files on the Unix side.
      set(locale C.UTF-8)
    else()
      set(locale ja_JP.UTF-8)
    endif()
    add_test(NAME ${name}_${variant} COMMAND ${target} ${ARGN})
    set_tests_properties(${name}_${variant} PROPERTIES
      FIXTURES_REQUIRED wine_prefix
      RESOURCE_LOCK wine_prefix_state
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      ENVIRONMENT "WINEPREFIX=${LAUNCHER_WINEPREFIX};LC_ALL=${locale};WINEDEBUG=-all")
  endforeach()
endfunction()
