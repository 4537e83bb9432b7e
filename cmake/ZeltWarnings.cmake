# Every target of the project compiles with the same strict warning set.
add_library(zelt_warnings INTERFACE)
target_compile_options(zelt_warnings INTERFACE -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor
                                               -Wold-style-cast -Wcast-align -Woverloaded-virtual
                                               -Wimplicit-fallthrough)
# GCC 12 at -O3 reports "literal" + std::string as an overlapping memcpy (GCC bug 105651), a
# false alarm that would stop every optimised build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(zelt_warnings INTERFACE -Wno-restrict)
endif()
