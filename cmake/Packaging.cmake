# The Debian package, made by "cpack -G DEB" in a build folder (scripts/package.sh builds
# build/release and makes it): the programs in /usr/bin, their data in /usr/share/lccdtool, the
# menu entry, the AppStream metainfo, the manual pages and the package's own documents.
#
# lintian finds no error (scripts/check-package.sh fails on one). The warning it leaves, and why:
#   national-encoding usr/share/lccdtool/LcJacketStd.lct: the label template is Shift-JIS on
#     purpose; layout files and templates are Shift-JIS with CR LF, as the program reads and
#     writes them and as users exchange them.
include(GNUInstallDirs)

set(LCCD_PACKAGE_MAINTAINER "lccdtool developers <lccdtool@users.noreply.github.com>"
    CACHE STRING "The Maintainer field of the Debian package")
string(TIMESTAMP LCCD_PACKAGE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)

# The documents every Debian package carries: the copyright notice and a changelog, compressed
# as lintian asks.
set(package_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/lccdtool)
set(changelog ${PROJECT_BINARY_DIR}/packaging/changelog)
file(WRITE ${changelog}
    "lccdtool (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
    "  * Built from the source tree.\n\n"
    " -- ${LCCD_PACKAGE_MAINTAINER}  ${LCCD_PACKAGE_DATE}\n")
add_custom_command(OUTPUT ${changelog}.gz
    COMMAND gzip -9nkf ${changelog}
    DEPENDS ${changelog})
add_custom_target(package_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${changelog}.gz resources/copyright DESTINATION ${package_doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lccdtool)
set(CPACK_PACKAGE_VENDOR "lccdtool developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${LCCD_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print CD labels and jackets and prepare music CDs")
# The extended description, in lines of at most 80 characters as Debian wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Lc音楽ＣＤ作成補助ツール prints label sheets (CD labels and jackets, postcards,"
    "any sheet a printer takes) from a layout of text lines, wrapped paragraphs,"
    "images, rectangles, rule lines and postal customer barcodes, with a preview"
    "that is exactly the print."
    "It also prepares the disc: it reads a folder of songs with their tags and"
    "playing times, writes a CUE sheet, a disc project and a label layout, and"
    "burns the audio CD with Japanese CD-TEXT. The window speaks Japanese;"
    "lccdtool-cli does the same work on the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The label products of gLabels, the fonts the demo jacket and the template are drawn in, and
# CUPS's commands to see and set up printers: the program runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "glabels-data, fonts-ipafont-gothic, fonts-ipafont-mincho, cups-client")
include(CPack)
