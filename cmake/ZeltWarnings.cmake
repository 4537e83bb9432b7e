# Every target of the project compiles with the same strict warning set.
add_library(zelt_warnings INTERFACE)
target_compile_options(zelt_warnings INTERFACE -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor
                                               -Wold-style-cast -Wcast-align -Woverloaded-virtual
                                               -Wimplicit-fallthrough)
