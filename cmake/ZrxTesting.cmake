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
    add_test(NAME ${name} COMMAND ${name})
    # Every read a test makes keeps a backup in the user's data folder: under
    # tests that is a folder of the build, never the real home. Tests that
    # look at backups set a temporary one of their own.
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/tests/data-home;ZRX_OUTPUT_DIR=${ZRX_OUTPUT_DIR};ZRX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
        TIMEOUT 300)
endfunction()
