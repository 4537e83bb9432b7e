# Every target of the project compiles with the same strict warning set. The flags live in a
# file of their own, one per line, which the Windows cross-compile check reads as well.
add_library(zelt_warnings INTERFACE)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/ZeltWarningFlags.txt ZELT_WARNING_FLAGS)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_CURRENT_LIST_DIR}/ZeltWarningFlags.txt)
target_compile_options(zelt_warnings INTERFACE ${ZELT_WARNING_FLAGS})
# GCC 12 at -O3 reports "literal" + std::string as an overlapping memcpy (GCC bug 105651), a
# false alarm that would stop every optimised build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(zelt_warnings INTERFACE -Wno-restrict)
endif()
