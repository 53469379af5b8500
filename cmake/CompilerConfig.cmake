# One INTERFACE target that carries the project's warning flags. Every target links it.
add_library(vantor_warnings INTERFACE)
target_compile_options(vantor_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-align -Wunused
    -Woverloaded-virtual -Wformat=2 -Wimplicit-fallthrough)
if(VANTOR_WERROR)
    target_compile_options(vantor_warnings INTERFACE -Werror)
endif()
