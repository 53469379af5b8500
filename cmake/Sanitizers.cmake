# AddressSanitizer and UndefinedBehaviorSanitizer for every target of the build tree.
if(VANTOR_SANITIZE)
    set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_compile_options(${_san})
    add_link_options(${_san})
endif()
# The fuzz build: the same sanitizers, and libFuzzer's coverage instrumentation everywhere.
# Only the fuzz targets link the fuzzer's runtime (fuzz/CMakeLists.txt).
if(VANTOR_FUZZ)
    set(_fuzz -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    add_compile_options(${_fuzz})
    add_link_options(-fsanitize=address,undefined)
endif()
