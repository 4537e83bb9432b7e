# AddressSanitizer + UndefinedBehaviorSanitizer for the whole tree when ZELT_SANITIZE is on.
if(ZELT_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Fuzzing needs coverage instrumentation in the libraries under test, not only in the harness.
if(ZELT_BUILD_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
