# zrx_add_test(<name> SOURCES <files...> [LIBS <libs...>] [QT])
#
# One test executable, registered with ctest under <name>. GoogleTest is the
# default runner; QT makes it a Qt Test executable that runs offscreen.
function(zrx_add_test name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
    zrx_set_warnings(${name})
    target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    endif()
    if(ARG_QT AND WIN32 AND CMAKE_CROSSCOMPILING)
        # Under Wine a Qt Test program's standard output is lost: the report
        # goes to a file beside it (scripts/test-windows.sh shows those of
        # failed tests).
        add_test(NAME ${name} COMMAND ${name} -o "${CMAKE_BINARY_DIR}/tests/${name}.txt,txt")
    else()
        add_test(NAME ${name} COMMAND ${name})
    endif()
    # Every read a test makes keeps a backup in the user's data folder: under
    # tests that is a folder of the build, never the real home. Tests that
    # look at backups set a temporary one of their own.
    zrx_test_environment(environment
        "QT_QPA_PLATFORM=offscreen" "XDG_DATA_HOME=${CMAKE_BINARY_DIR}/tests/data-home"
        "ZRX_OUTPUT_DIR=${ZRX_OUTPUT_DIR}" "ZRX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 300)
endfunction()

# zrx_add_test_variant(<name> <program>)
#
# Another ctest entry that runs the Qt Test program <program> again (with an
# environment of its own, set by the caller); under Wine its report goes to
# a file of its own, as zrx_add_test's do.
function(zrx_add_test_variant name program)
    if(WIN32 AND CMAKE_CROSSCOMPILING)
        add_test(NAME ${name} COMMAND ${program} -o "${CMAKE_BINARY_DIR}/tests/${name}.txt,txt")
    else()
        add_test(NAME ${name} COMMAND ${program})
    endif()
endfunction()

# zrx_test_environment(<out> <NAME=VALUE>...)
#
# The environment of a test. The Windows build's tests run under Wine, which
# keeps QT_* variables from Windows programs but passes WINEQT_* on as QT_*;
# Windows finds Qt's DLLs (and the thread library beside them) through
# WINEPATH. Their windows use the Windows platform itself, on the X screen
# scripts/test-windows.sh gives Wine: Qt's offscreen platform knows no fonts
# on Windows, so no text there would measure as on a real Windows.
function(zrx_test_environment out)
    set(environment "")
    foreach(entry IN LISTS ARGN)
        if(entry MATCHES "^([A-Z_]+)=(/.*)$")
            zrx_test_path(path "${CMAKE_MATCH_2}")
            set(entry "${CMAKE_MATCH_1}=${path}")
        endif()
        list(APPEND environment "${entry}")
    endforeach()
    if(WIN32 AND CMAKE_CROSSCOMPILING)
        foreach(entry IN LISTS ARGN)
            if(entry MATCHES "^QT_" AND NOT entry MATCHES "^QT_QPA_PLATFORM=")
                list(APPEND environment "WINE${entry}")
            endif()
        endforeach()
        if(DEFINED QT6_INSTALL_PREFIX)
            string(REPLACE "/" "\\" qt_bin "Z:${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
            list(APPEND environment "WINEPATH=${qt_bin}")
        endif()
    endif()
    set(${out} "${environment}" PARENT_SCOPE)
endfunction()

# zrx_test_path(<out> <path>)
#
# A path of the build machine as a test program sees it: unchanged, or for
# the Windows build under Wine on drive Z:, which is the root folder ("/a/b"
# would mean \\a\\b on whatever drive a test has made current).
function(zrx_test_path out path)
    if(WIN32 AND CMAKE_CROSSCOMPILING AND path MATCHES "^/")
        set(path "Z:${path}")
    endif()
    set(${out} "${path}" PARENT_SCOPE)
endfunction()
