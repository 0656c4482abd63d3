# `cmake --install` lays out the program as a user gets it: one program
# folder that holds everything the program looks for beside itself
# (Program, the language libraries, Default.sin, Program.ini, the ready
# channel plans, the help files and the tools), launchers on the PATH that point into it, and what the
# desktop needs to list it (menu entry, icons, software-centre metadata).

set(ZRX_APP_ID "org.zrxpcencoder.PcEncoder" CACHE STRING
    "Desktop entry, icon and AppStream id (a reverse domain name the project holds)")
set(ZRX_PROJECT_URL "https://example.org/zrx-pc-encoder" CACHE STRING
    "The project's home page; the AppStream screenshots are under <url>/docs/")
set(ZRX_INSTALL_PROGRAMDIR "lib/zrx-pc-encoder" CACHE STRING
    "The program folder, relative to the installation prefix")

set(program_dir "${ZRX_INSTALL_PROGRAMDIR}")
# Named after the package, as Debian has it.
set(doc_dir "${CMAKE_INSTALL_DATAROOTDIR}/doc/zrx-pc-encoder")

install(TARGETS Program zrx RUNTIME DESTINATION "${program_dir}")
# The help window reads the .chm files through this helper beside the program.
install(TARGETS zrx-chm-unpack RUNTIME DESTINATION "${program_dir}")
if(TARGET zrx-sim)
    install(TARGETS zrx-sim RUNTIME DESTINATION "${program_dir}")
endif()
install(FILES
        "${ZRX_OUTPUT_DIR}/Eng.dll" "${ZRX_OUTPUT_DIR}/Chs.dll" "${ZRX_OUTPUT_DIR}/Cht.dll"
        "${ZRX_OUTPUT_DIR}/Default.sin"
    DESTINATION "${program_dir}")
# The ready channel plans (zrx new --plan, File > New from Plan).
install(DIRECTORY plans DESTINATION "${program_dir}")
# The settings every user starts with, from the source: the output folder's
# copy holds whatever language the developer chose last.
install(FILES Program.ini DESTINATION "${program_dir}")
# The help files and Qt's own translations, where the build made them.
install(DIRECTORY "${ZRX_OUTPUT_DIR}/" DESTINATION "${program_dir}"
    FILES_MATCHING PATTERN "*.chm" PATTERN "*.qm")

# Launchers: symbolic links, so the program sees its real folder through
# its resolved path and finds everything there.
set(launchers "zrx-pc-encoder:Program" "zrx:zrx")
if(TARGET zrx-sim)
    list(APPEND launchers "zrx-sim:zrx-sim")
endif()
foreach(launcher IN LISTS launchers)
    string(REPLACE ":" ";" parts "${launcher}")
    list(GET parts 0 link_name)
    list(GET parts 1 target_name)
    file(RELATIVE_PATH link_target "/prefix/${CMAKE_INSTALL_BINDIR}"
         "/prefix/${program_dir}/${target_name}")
    install(CODE "
        set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        file(MAKE_DIRECTORY \"\${bin}\")
        message(STATUS \"Installing: \${bin}/${link_name} -> ${link_target}\")
        file(CREATE_LINK \"${link_target}\" \"\${bin}/${link_name}\" SYMBOLIC)")
endforeach()

# The desktop: menu entry, icons in the hicolor theme, AppStream metadata.
configure_file(zrx-pc-encoder.desktop.in "${ZRX_APP_ID}.desktop" @ONLY)
configure_file(zrx-pc-encoder.metainfo.xml.in "${ZRX_APP_ID}.metainfo.xml" @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/${ZRX_APP_ID}.desktop"
    DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/applications")
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/${ZRX_APP_ID}.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/metainfo")
foreach(size 32 48 64 128 256)
    install(FILES "icons/zrx-pc-encoder-${size}.png"
        DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps"
        RENAME "${ZRX_APP_ID}.png")
endforeach()
install(FILES icons/zrx-pc-encoder.svg
    DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps"
    RENAME "${ZRX_APP_ID}.svg")

# How to reach the serial port, and an inactive example udev rule.
install(FILES README.Debian DESTINATION "${doc_dir}")
# The licence, as Debian keeps it for every package (machine-readable, with
# the full GPL-3 in /usr/share/common-licenses), and its full text.
configure_file(copyright.in copyright @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/copyright" DESTINATION "${doc_dir}")
install(FILES examples/60-zrx-programming-cable.rules DESTINATION "${doc_dir}/examples")
