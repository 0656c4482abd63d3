# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads,
# which std::thread needs).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZRX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZRX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZRX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZRX_MINGW_PREFIX}-windres)

# Libraries and headers come from the mingw sysroot and from the folders
# named in CMAKE_PREFIX_PATH (the cross-built Qt, GoogleTest and chmlib);
# programs (moc, lrelease, chmcmd) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${ZRX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime is linked in, so that zrx.exe runs on its own, copied
# anywhere; Qt's DLLs need libwinpthread-1.dll beside them, which the zip
# and the installer carry.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# The libraries scripts/build-windows.sh cross-built into its cache (the
# same default as the script's).
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZRX_WINDOWS_CACHE)
if(NOT ZRX_WINDOWS_CACHE AND DEFINED ENV{ZRX_WINDOWS_CACHE})
    set(ZRX_WINDOWS_CACHE "$ENV{ZRX_WINDOWS_CACHE}")
elseif(NOT ZRX_WINDOWS_CACHE AND DEFINED ENV{XDG_CACHE_HOME})
    set(ZRX_WINDOWS_CACHE "$ENV{XDG_CACHE_HOME}/zrx-pc-encoder-windows")
elseif(NOT ZRX_WINDOWS_CACHE AND DEFINED ENV{HOME})
    set(ZRX_WINDOWS_CACHE "$ENV{HOME}/.cache/zrx-pc-encoder-windows")
endif()
if(ZRX_WINDOWS_CACHE AND IS_DIRECTORY "${ZRX_WINDOWS_CACHE}/qt")
    foreach(dir qt googletest chmlib cli11)
        list(APPEND CMAKE_FIND_ROOT_PATH "${ZRX_WINDOWS_CACHE}/${dir}")
    endforeach()
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

# Tests run under Wine's 64-bit loader (there is no 32-bit Wine here, and
# /usr/bin/wine would pick the 32-bit one first).
find_program(ZRX_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(ZRX_WINE64)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${ZRX_WINE64}")
endif()
