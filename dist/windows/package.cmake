# The Windows zip and installer, from a Windows build's output folder:
#   cmake -DBUILD_DIR=<build/windows> -DQT_DIR=<cross-built Qt> -P package.cmake
# The programs, their language libraries, help files, Default.sin,
# Program.ini and the ready channel plans, with the Qt DLLs and plugins they
# load and the mingw thread library, in one folder; zipped, and wrapped by
# NSIS into an installer.
cmake_minimum_required(VERSION 3.25)
foreach(var BUILD_DIR QT_DIR)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()
set(source_dir "${CMAKE_CURRENT_LIST_DIR}/../..")
file(STRINGS "${source_dir}/CMakeLists.txt" project_line REGEX "^project\\(ZrxPcEncoder VERSION")
string(REGEX MATCH "VERSION ([0-9.]+)" _ "${project_line}")
set(version "${CMAKE_MATCH_1}")
set(name "ZrxPcEncoder-${version}-windows-x64")
set(out "${BUILD_DIR}/out")
set(package_dir "${BUILD_DIR}/package")
set(stage "${package_dir}/${name}")
set(mingw_dir /usr/x86_64-w64-mingw32/lib)

file(REMOVE_RECURSE "${package_dir}")
file(MAKE_DIRECTORY "${stage}")

set(programs Program.exe zrx.exe zrx-chm-unpack.exe)
set(files ${programs} Eng.dll Chs.dll Cht.dll Default.sin Program.ini eng.chm chs.chm cht.chm
    qtbase_zh_CN.qm qtbase_zh_TW.qm)
foreach(file IN LISTS files)
    if(NOT EXISTS "${out}/${file}")
        message(FATAL_ERROR "${out}/${file} is missing: build the windows preset first")
    endif()
    file(COPY "${out}/${file}" DESTINATION "${stage}")
endforeach()
# The ready channel plans, in their folder beside the programs.
file(GLOB plan_files "${out}/plans/*.csv")
if(NOT plan_files)
    message(FATAL_ERROR "${out}/plans holds no plans: build the windows preset first")
endif()
file(COPY "${out}/plans" DESTINATION "${stage}")

# The plugins Qt loads at run time: the Windows platform and the style that
# draws native controls.
set(plugins platforms/qwindows.dll styles/qwindowsvistastyle.dll)
foreach(plugin IN LISTS plugins)
    get_filename_component(folder "${plugin}" DIRECTORY)
    file(COPY "${QT_DIR}/plugins/${plugin}" DESTINATION "${stage}/${folder}")
endforeach()

# Every DLL the programs and plugins load, found the way Windows finds them
# (names in any case), except the system's own: the imports of each file,
# read with objdump, followed until nothing new turns up.
set(system_dlls kernel32 user32 gdi32 shell32 ole32 oleaut32 advapi32 comdlg32 winspool.drv
    msvcrt ws2_32 imm32 winmm uxtheme dwmapi version netapi32 userenv setupapi shlwapi d3d9
    d3d11 d3d12 dxgi dcomp authz mpr rpcrt4 comctl32 wtsapi32 shcore cfgmgr32 crypt32 bcrypt
    secur32 opengl32 dwrite)
set(available "")
foreach(dir "${QT_DIR}/bin" "${mingw_dir}" "/usr/lib/gcc/x86_64-w64-mingw32/12-posix")
    file(GLOB dlls "${dir}/*.dll")
    foreach(dll IN LISTS dlls)
        get_filename_component(dll_name "${dll}" NAME)
        string(TOLOWER "${dll_name}" key)
        if(NOT DEFINED found_${key})
            set(found_${key} "${dll}")
        endif()
    endforeach()
endforeach()
list(TRANSFORM programs PREPEND "${stage}/" OUTPUT_VARIABLE pending)
list(TRANSFORM plugins PREPEND "${stage}/" OUTPUT_VARIABLE plugin_files)
list(APPEND pending ${plugin_files})
set(copied "")
while(pending)
    list(POP_FRONT pending file)
    execute_process(COMMAND x86_64-w64-mingw32-objdump -p "${file}"
        OUTPUT_VARIABLE imports COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\n]+" names "${imports}")
    foreach(line IN LISTS names)
        string(REGEX REPLACE "DLL Name: " "" dll_name "${line}")
        string(STRIP "${dll_name}" dll_name)
        string(TOLOWER "${dll_name}" key)
        string(REGEX REPLACE "\\.dll$" "" stem "${key}")
        if(key MATCHES "^(api|ext)-ms-" OR stem IN_LIST system_dlls OR key IN_LIST system_dlls
           OR key IN_LIST copied)
            continue()
        endif()
        if(NOT DEFINED found_${key})
            message(FATAL_ERROR "${dll_name}, needed by ${file}, is neither Qt's nor mingw's nor Windows' own")
        endif()
        file(COPY "${found_${key}}" DESTINATION "${stage}")
        list(APPEND copied "${key}")
        get_filename_component(copied_name "${found_${key}}" NAME)
        list(APPEND pending "${stage}/${copied_name}")
    endforeach()
endwhile()

# The zip: unpacked anywhere, Program.exe runs.
file(REMOVE "${BUILD_DIR}/${name}.zip")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${BUILD_DIR}/${name}.zip" --format=zip "${name}"
    WORKING_DIRECTORY "${package_dir}" COMMAND_ERROR_IS_FATAL ANY)

# The installer removes on uninstalling exactly the files it installed.
file(GLOB_RECURSE installed RELATIVE "${stage}" "${stage}/*")
list(REMOVE_ITEM installed Program.ini)
set(uninstall "")
set(folders "")
foreach(file IN LISTS installed)
    string(REPLACE "/" "\\" windows_name "${file}")
    string(APPEND uninstall "Delete \"$INSTDIR\\${windows_name}\"\n")
    get_filename_component(folder "${file}" DIRECTORY)
    if(folder)
        list(APPEND folders "${folder}")
    endif()
endforeach()
list(REMOVE_DUPLICATES folders)
foreach(folder IN LISTS folders)
    string(REPLACE "/" "\\" windows_name "${folder}")
    string(APPEND uninstall "RMDir \"$INSTDIR\\${windows_name}\"\n")
endforeach()
file(WRITE "${package_dir}/uninstall-files.nsh" "${uninstall}")
file(COPY "${source_dir}/dist/icons/zrx-pc-encoder.ico" DESTINATION "${package_dir}")

find_program(MAKENSIS makensis REQUIRED)
set(installer "${BUILD_DIR}/${name}-setup.exe")
execute_process(COMMAND "${MAKENSIS}" -V2 "-DVERSION=${version}" "-DSTAGE=${stage}"
        "-DOUTFILE=${installer}" "${CMAKE_CURRENT_LIST_DIR}/installer.nsi"
    COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Windows packages: ${BUILD_DIR}/${name}.zip, ${installer}")
