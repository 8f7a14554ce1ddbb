# Every target of the project links varnel_options, so warnings and sanitizers are set once.
add_library(varnel_options INTERFACE)
target_compile_options(varnel_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor)
if(VARNEL_WARNINGS_AS_ERRORS)
    target_compile_options(varnel_options INTERFACE -Werror)
endif()
if(VARNEL_SANITIZE)
    set(_varnel_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_compile_options(varnel_options INTERFACE ${_varnel_sanitizers})
    target_link_options(varnel_options INTERFACE ${_varnel_sanitizers})
endif()
# The fuzz build: all of the program's code carries libFuzzer's coverage hooks and the sanitizers;
# only the fuzz targets under tests/fuzz add libFuzzer's driver when they link.
option(VARNEL_FUZZ "Build the libFuzzer targets in tests/fuzz (needs clang)" OFF)
if(VARNEL_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "VARNEL_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    set(_varnel_fuzz_flags -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                           -fno-omit-frame-pointer)
    target_compile_options(varnel_options INTERFACE ${_varnel_fuzz_flags})
    target_link_options(varnel_options INTERFACE ${_varnel_fuzz_flags})
endif()
target_compile_definitions(varnel_options INTERFACE
    QT_NO_KEYWORDS $<$<NOT:$<CONFIG:Debug>>:QT_NO_DEBUG_OUTPUT>)

# The program's own libraries also refuse implicit 8-bit strings, so every text is either
# translatable or a literal on purpose. Tests stay free to compare against plain literals.
add_library(varnel_strict_strings INTERFACE)
target_compile_definitions(varnel_strict_strings INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
