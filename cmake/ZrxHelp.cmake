# zrx_compile_help(<chm> <source dir> <charset>)
#
# Compiles the help project in <source dir> (one .hhp with its pages, a .hhc
# contents file and an optional .hhk index, all UTF-8) into <chm> with
# chmcmd (Debian fp-utils). Pictures named "images/NAME.png" in the pages
# are taken from docs/NAME.png. The contents, index and project files are
# converted to <charset>, the code page of the file's language: help viewers
# read those texts in that code page, while the pages declare their own.
find_program(ZRX_CHMCMD chmcmd)
find_program(ZRX_ICONV iconv)
if(NOT ZRX_CHMCMD OR NOT ZRX_ICONV)
    message(FATAL_ERROR "chmcmd or iconv not found: run scripts/setup.sh (Debian package fp-utils)")
endif()

function(zrx_compile_help chm source_dir charset)
    get_filename_component(name "${chm}" NAME_WE)
    file(GLOB sources CONFIGURE_DEPENDS "${source_dir}/*")
    file(GLOB pictures CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/docs/*.png")
    add_custom_command(OUTPUT "${chm}"
        COMMAND "${CMAKE_COMMAND}"
            "-DSOURCE_DIR=${source_dir}" "-DPICTURE_DIR=${PROJECT_SOURCE_DIR}/docs"
            "-DSTAGE_DIR=${CMAKE_CURRENT_BINARY_DIR}/${name}.stage" "-DCHARSET=${charset}"
            "-DCHMCMD=${ZRX_CHMCMD}" "-DICONV=${ZRX_ICONV}" "-DOUTPUT=${chm}"
            -P "${PROJECT_SOURCE_DIR}/cmake/compile_help.cmake"
        DEPENDS ${sources} ${pictures} "${PROJECT_SOURCE_DIR}/cmake/compile_help.cmake"
        COMMENT "Compiling help file ${name}.chm"
        VERBATIM)
endfunction()
