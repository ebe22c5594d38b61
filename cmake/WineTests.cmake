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

# The locale that gives Wine each ANSI code page the launcher is tested under: C.UTF-8 is
# code page 1252 with Unicode file names, as an English Windows (plain C could not open a
# Japanese file name at all); ja_JP.UTF-8 is 932, a Japanese Windows.
set(LAUNCHER_CODE_PAGES 1252 932)
set(LAUNCHER_LOCALE_1252 C.UTF-8)
set(LAUNCHER_LOCALE_932 ja_JP.UTF-8)

# add_wine_test(NAME TARGET [ARGS...]): runs TARGET once per code page: the launcher must be
# right on both.
function(add_wine_test name target)
  foreach(code_page ${LAUNCHER_CODE_PAGES})
    add_test(NAME ${name}_cp${code_page} COMMAND ${target} ${ARGN})
    set_tests_properties(${name}_cp${code_page} PROPERTIES
      FIXTURES_REQUIRED wine_prefix
      RESOURCE_LOCK wine_prefix_state
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      ENVIRONMENT "WINEPREFIX=${LAUNCHER_WINEPREFIX};LC_ALL=${LAUNCHER_LOCALE_${code_page}};WINEDEBUG=-all")
  endforeach()
endfunction()
