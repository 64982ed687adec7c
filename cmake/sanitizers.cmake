# SPDX-License-Identifier: GPL-3.0-or-later
# Builds for finding memory and undefined-behaviour faults: the whole program
# and its tests under AddressSanitizer and UndefinedBehaviorSanitizer, or the
# libFuzzer targets of tests/fuzz (clang only). Any report stops the program,
# so a test that meets one fails.
option(GEOMIRA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(GEOMIRA_FUZZ "Build the libFuzzer targets of tests/fuzz (needs clang++)" OFF)

if(GEOMIRA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "GEOMIRA_FUZZ needs clang++ for libFuzzer: configure with CXX=clang++")
  endif()
  # Coverage feedback from all the code a fuzzer reaches, not only its own file.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(GEOMIRA_SANITIZE OR GEOMIRA_FUZZ)
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
  # The runtime's options, compiled into every program built after this point.
  add_library(geomira_sanitizer_options OBJECT ${CMAKE_CURRENT_LIST_DIR}/sanitizeroptions.cpp)
  link_libraries(geomira_sanitizer_options)
endif()
