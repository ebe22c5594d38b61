# Run as a test: fails when EXE imports a Windows function of the "A" kind, which would take
# its text in the system's code page. The launcher's texts cross into Windows only as UTF-16
# converted from code page 932; or LoadLibraryW or LoadLibraryA, which search the program's
# own folder first (system libraries are loaded from the system folder only). ALLOWED names,
# apart by commas, the start-up code's own.
#   cmake -DOBJDUMP=... -DEXE=... -DALLOWED=GetStartupInfoA,... -P CheckWideImports.cmake
cmake_minimum_required(VERSION 3.21)
# Commas, since a semicolon would split the argument in the test's command line.
string(REPLACE "," ";" ALLOWED "${ALLOWED}")
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${EXE}")
endif()
string(REPLACE "\n" ";" lines "${dump}")
set(imports 0)
set(narrow "")
foreach(line IN LISTS lines)
  if(line MATCHES "^\t[0-9a-f]+\t +[0-9]+  ([A-Za-z_][A-Za-z_0-9]*)$")
    set(name ${CMAKE_MATCH_1})
    math(EXPR imports "${imports} + 1")
    if((name MATCHES "[a-z0-9]A$" OR name STREQUAL "LoadLibraryW") AND NOT name IN_LIST ALLOWED)
      list(APPEND narrow ${name})
    endif()
  endif()
endforeach()
if(imports EQUAL 0)
  message(FATAL_ERROR "no imports read from ${EXE}: the check would pass on anything")
endif()
if(narrow)
  message(FATAL_ERROR "${EXE} imports code page or folder-searching functions: ${narrow}")
endif()
message(STATUS "${imports} imports, none of the code page or folder-searching kind")
