# "cmake --install" and "cpack": the two programs, the examples, the help
# pages, the desktop entry, icons and matrix-file type (rules in the folders
# that hold them), packaged as a Debian package.

install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
  FILES_MATCHING PATTERN "*.mtx")
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lineon)
set(CPACK_PACKAGE_VENDOR "Lineon")
set(CPACK_PACKAGE_CONTACT "Lineon <lineon@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive matrix calculator with exact fractions (German)")
set(CPACK_PACKAGE_DESCRIPTION
  "Lineon solves linear systems, computes determinants, inverses, image and kernel,\n\
least-squares solutions and linear programs (simplex) step by step, with exact\n\
fractions or floating point, and shows every intermediate step in a protocol.\n\
The user interface is German. lineon-cli runs the same algorithms on files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
# Written out rather than found by dpkg-shlibdeps, which a plain build machine
# may lack; qt6-qpa-plugins brings the X11 platform plugin the window needs and
# fonts-liberation the metrics of the fraction layout, qt6-translations-l10n
# the German texts of Qt's own dialogs, fonts-dejavu-core a face for the
# menus and dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), \
libqt6printsupport6 (>= 6.4), libflint17, libmpfr6, libgmp10, qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation, fonts-dejavu-core")
include(CPack)
