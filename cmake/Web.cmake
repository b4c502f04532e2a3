# WebAssembly with emscripten (emcmake cmake): the drivers run under Node.
#   NODERAWFS             the real files and standard streams, byte for byte
#                         (the site file in the current directory, stdin)
#   ALLOW_MEMORY_GROWTH   memory as a table needs it
#   WASM_ASYNC_COMPILATION=0  the module compiled at start: Node's fetch
#                         cannot load the .wasm by its file path
#   EXIT_RUNTIME          leaving main flushes the output and gives the
#                         process its exit status
#   FORCE_FILESYSTEM      the file system even in a program that opens no
#                         file: without it standard output goes through a
#                         console writer that never reports a failed write
add_link_options(-sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sWASM_ASYNC_COMPILATION=0 -sEXIT_RUNTIME=1
                 -sFORCE_FILESYSTEM=1)

# em++ links through the JavaScript parser acorn, which Debian installs
# where Node does not look by itself.
find_path(ZENKO_NODE_MODULES acorn PATHS /usr/share/nodejs /usr/lib/nodejs
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(ZENKO_NODE_MODULES)
  set(node_path ${ZENKO_NODE_MODULES})
  if(DEFINED ENV{NODE_PATH} AND NOT "$ENV{NODE_PATH}" STREQUAL "")
    string(APPEND node_path ":$ENV{NODE_PATH}")
  endif()
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${node_path})
endif()

# Node, to run the drivers in the tests.
find_program(ZENKO_NODE NAMES node nodejs NO_CMAKE_FIND_ROOT_PATH REQUIRED)
