# Warnings and sanitizers are set per target, never globally, so third-party
# code that CMake pulls in is not affected.
function(zrx_set_warnings target)
    target_compile_options(${target} PRIVATE
        $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic -Wshadow -Wconversion
            -Wsign-conversion -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual>
        $<$<AND:$<CXX_COMPILER_ID:GNU,Clang>,$<BOOL:${ZRX_WERROR}>>:-Werror>
        # GCC 12 optimising reports overlapping copies inside std::string's own
        # concatenation that cannot happen (GCC bug 105651): a warning about
        # the library, not about this code.
        $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>,$<CONFIG:Release>>:-Wno-restrict>
        $<$<CXX_COMPILER_ID:MSVC>:/W4 /utf-8>
        $<$<AND:$<CXX_COMPILER_ID:MSVC>,$<BOOL:${ZRX_WERROR}>>:/WX>)
endfunction()

if(ZRX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
