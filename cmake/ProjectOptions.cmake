# Compiler settings shared by every target of ours (not by GoogleTest).
add_library(project_options INTERFACE)
target_compile_options(project_options INTERFACE -Wall -Wextra -Werror)

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # Sources are UTF-8; the program's texts are code page 932 bytes. clang (the fuzz
  # builds) knows no other execution charset and keeps UTF-8 literals: that changes no
  # parsing rule, only the bytes of the built-in defaults.
  target_compile_options(project_options INTERFACE -finput-charset=UTF-8 -fexec-charset=CP932)
endif()

if(WIN32)
  # Text crosses into Windows only through the wide API: the test setup_imports_wide_only
  # fails when the built launcher imports an "A" function.
  target_compile_definitions(project_options INTERFACE WIN32_LEAN_AND_MEAN NOMINMAX
    _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()

if(LAUNCHER_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(LAUNCHER_FUZZ)
  # Coverage for libFuzzer in all of our code, not only in the fuzz entry points.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
