# zrx_gui_library(<target> <folder> [DEPENDS <targets...>])
#
# One static library per folder of the Qt program. Its headers are reachable,
# as "<folder>/name.h", only by this library and by those that link it: the
# include path of each library is a folder holding a link to its own source
# folder and nothing else. So a folder can include the layers below it
# (those it DEPENDS on) and never one above it; such an include does not
# build. The layers, bottom up: shell, document, grid, transfer,
# dialogs, editor, app.
function(zrx_gui_library target folder)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    add_library(${target} STATIC)
    set(root "${CMAKE_BINARY_DIR}/layers/${folder}")
    file(MAKE_DIRECTORY "${root}")
    if(NOT EXISTS "${root}/${folder}")
        file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC "${root}")
    target_link_libraries(${target} PUBLIC ${ARG_DEPENDS} zrx_core Qt6::Widgets)
    zrx_set_warnings(${target})
endfunction()
