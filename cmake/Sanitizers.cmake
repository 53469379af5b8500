# AddressSanitizer and UndefinedBehaviorSanitizer for every target of the build tree.
if(VANTOR_SANITIZE)
    set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_compile_options(${_san})
    add_link_options(${_san})
endif()
