# SPDX-License-Identifier: GPL-3.0-or-later
# The core built with emscripten for WebAssembly; its tests and the scenario
# runner run under Node.js, reading and writing the machine's files.
if(EMSCRIPTEN)
  add_compile_options(-fexceptions)
  add_link_options(-fexceptions -sALLOW_MEMORY_GROWTH=1 -sNODERAWFS=1 -sEXIT_RUNTIME=1)
endif()
