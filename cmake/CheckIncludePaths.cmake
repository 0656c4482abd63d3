# cmake -DSOURCE_DIR=<repo> -P CheckIncludePaths.cmake
#
# Every header has one include path, "<folder>/<name>.h": relative to core/
# for the core library, relative to the top for the window's folders. Two
# headers with the same include path would shadow each other depending on
# the order of include directories, so this fails when any two coincide.
cmake_minimum_required(VERSION 3.25)
set(layers shell image grid link dialogs editor app)
file(GLOB_RECURSE core_headers RELATIVE "${SOURCE_DIR}/core" "${SOURCE_DIR}/core/*.h")
set(seen "")
set(clashes "")
foreach(header IN LISTS core_headers)
    list(APPEND seen "${header}")
endforeach()
foreach(layer IN LISTS layers)
    file(GLOB headers RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/${layer}/*.h")
    foreach(header IN LISTS headers)
        if(header IN_LIST seen)
            list(APPEND clashes "${header}")
        endif()
        list(APPEND seen "${header}")
    endforeach()
endforeach()
if(clashes)
    message(FATAL_ERROR "Headers with the same include path in core/ and the window's folders: ${clashes}")
endif()
list(LENGTH seen count)
message(STATUS "${count} headers, each with an include path of its own")
