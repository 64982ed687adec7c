# SPDX-License-Identifier: GPL-3.0-or-later
# The core built with emscripten for WebAssembly. For the tests, it and the
# scenario runner run under Node.js, reading and writing the machine's files;
# the web edition (GEOMIRA_WEB) runs in the browser, without exceptions.
option(GEOMIRA_WEB "Build the web edition: the core and the web view for the browser" OFF)
if(EMSCRIPTEN)
  add_link_options(-sALLOW_MEMORY_GROWTH=1)
  if(GEOMIRA_WEB)
    # Optimised across the whole program, C++ library included: a third less to download.
    add_compile_options(-flto)
    add_link_options(-flto)
  else()
    add_compile_options(-fexceptions)
    add_link_options(-fexceptions -sNODERAWFS=1 -sEXIT_RUNTIME=1)
  endif()
elseif(GEOMIRA_WEB)
  message(FATAL_ERROR "The web edition builds with emscripten's toolchain: scripts/build-web.sh")
endif()
