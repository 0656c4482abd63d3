# The Debian package, made by CPack from what `cmake --install` lays out
# (scripts/package.sh). Its dependencies come from the libraries the
# installed programs are linked with (dpkg-shlibdeps: Qt, and through Qt's
# print support the CUPS library once printing is in), plus the fonts the
# dialog layout is measured with.
set(ZRX_PACKAGE_MAINTAINER "ZRX PC Encoder authors <zrx-pc-encoder@example.org>" CACHE STRING
    "The Maintainer field of the Debian package")
set(ZRX_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n" CACHE STRING
    "Packages the Debian package depends on beyond the libraries it links")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zrx-pc-encoder)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "ZRX PC Encoder authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for the ZRX412 UHF two-way radio")
set(CPACK_PACKAGE_DESCRIPTION "\
ZRX PC Encoder reads the memory of a ZRX412 16-channel UHF two-way radio
through its programming cable, edits the channel table and the radio-wide
settings, and writes the memory back to the radio. Channel sets are kept in
.sin channel data files. English, Simplified Chinese and Traditional Chinese.

Also included: zrx, a command-line tool that shows, exports, imports, reads
and writes channel tables, and zrx-sim, a radio simulator on a
pseudo-terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZRX_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZRX_PROJECT_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${ZRX_PACKAGE_DEPENDS}")
# The Chinese texts need a CJK font; any of these has the glyphs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei")
# Printing goes through CUPS, which needs a print server to reach a printer.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
include(CPack)
