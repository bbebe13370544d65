# SPDX-License-Identifier: MIT
# Compiler warnings and sanitizers shared by every target of the project.
add_library(numerant_warnings INTERFACE)
target_compile_options(numerant_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Woverloaded-virtual)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12 reports overlapping copies inside libstdc++'s own string code at
  # -O3 (a known false positive), whatever the caller does.
  target_compile_options(numerant_warnings INTERFACE -Wno-restrict)
endif()
if(NUMERANT_WARNINGS_AS_ERRORS)
  target_compile_options(numerant_warnings INTERFACE -Werror)
endif()

if(NUMERANT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(NUMERANT_BUILD_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzzer needs clang: configure with CXX=clang++")
  endif()
  # Coverage feedback for the fuzzer from every object of the library.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
