# One version for the whole program: the project version, written into a
# generated header (shown in the about box) and used for the package.
configure_file(${CMAKE_CURRENT_LIST_DIR}/ZenkoVersion.h.in
               ${CMAKE_BINARY_DIR}/generated/ZenkoVersion.h @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)
