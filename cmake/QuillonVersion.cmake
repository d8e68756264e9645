# The project version as a C++ constant, for whatever shows or records it (the printed report's
# creator, the about box): link quillon_version and include "quillon/version.h".
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in
               ${CMAKE_BINARY_DIR}/generated/quillon/version.h @ONLY)
add_library(quillon_version INTERFACE)
target_include_directories(quillon_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
