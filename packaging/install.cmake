# Desktop integration and the Debian package. Included last from the top-level
# CMakeLists.txt, so every install rule exists before CPack reads them.
set(_pkg ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${_pkg}/${BITCALC_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_pkg}/${BITCALC_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${_pkg}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Manual pages of section 1: the version filled in, compressed as Debian
# installs them. The uncompressed page stays in the build folder for checks.
function(bitcalc_man_page name)
  set(_page ${CMAKE_BINARY_DIR}/man/${name}.1)
  configure_file(${PROJECT_SOURCE_DIR}/docs/man/${name}.1 ${_page} @ONLY)
  add_custom_command(OUTPUT ${_page}.gz COMMAND gzip -9nkf ${_page} DEPENDS ${_page}
                     COMMENT "Compressing the manual page ${name}(1)")
  add_custom_target(man_${name} ALL DEPENDS ${_page}.gz)
  install(FILES ${_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
bitcalc_man_page(bitcalc)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bitcalc)
set(CPACK_PACKAGE_VERSION ${BITCALC_VERSION})
set(CPACK_PACKAGE_CONTACT "BitCalc maintainers <maintainers@bitcalc.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop calculator for 16-bit binary values")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://bitcalc.example.org/)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Two operands are set bit by bit on lever switches, typed as decimal or
hexadecimal numbers, or picked as characters. Eight operations, from
division to bitwise complement, show their result at once on sixteen LEDs
and as decimal, hexadecimal, character, nibble and byte readouts.")
# The libraries are what the binary lists as NEEDED (libQt6Widgets, libQt6Gui,
# libQt6Core, libstdc++, libgcc_s, libm and libc), with the lowest versions
# dpkg-shlibdeps derives from the symbols it uses; tools/check_deb_install.sh
# fails when that derivation names a package missing here. The platform
# plugins the program needs (xcb, offscreen) ship in libqt6gui6 itself. The
# fonts are the files the program links into its private font configuration.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.35), libgcc-s1 (>= 3.0), libstdc++6 (>= 11), \
libqt6core6 (>= 6.4.0), libqt6gui6 (>= 6.2.0), libqt6widgets6 (>= 6.3.0), \
fonts-liberation, fonts-wine, fonts-dejavu-core")
include(CPack)
