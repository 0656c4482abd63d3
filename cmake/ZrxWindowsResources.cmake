# zrx_windows_resources(<target> <description> [ICON])
#
# On Windows, gives the program its manifest (UTF-8 code page, DPI
# awareness), its version information and, with ICON, the program icon.
# Elsewhere it does nothing.
function(zrx_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    cmake_parse_arguments(ARG "ICON" "" "" ${ARGN})
    set(ZRX_FILE_NAME "${target}.exe")
    set(ZRX_MANIFEST_NAME "${target}")
    set(ZRX_DESCRIPTION "${description}")
    set(dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources")
    set(ZRX_MANIFEST_FILE "${dir}/${target}.manifest")
    set(ZRX_ICON_LINE "")
    if(ARG_ICON)
        set(ZRX_ICON_LINE "1 ICON \"${PROJECT_SOURCE_DIR}/dist/icons/zrx-pc-encoder.ico\"")
    endif()
    configure_file("${PROJECT_SOURCE_DIR}/dist/windows/program.manifest" "${ZRX_MANIFEST_FILE}" @ONLY)
    configure_file("${PROJECT_SOURCE_DIR}/dist/windows/resources.rc.in" "${dir}/${target}.rc" @ONLY)
    target_sources(${target} PRIVATE "${dir}/${target}.rc")
endfunction()
