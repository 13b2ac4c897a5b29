# Desktop integration and the Debian package. Included last from the top-level
# CMakeLists.txt, so every install rule exists before CPack reads them.
set(_pkg ${CMAKE_CURRENT_LIST_DIR})

install(FILES ${_pkg}/${BITCALC_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_pkg}/${BITCALC_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${_pkg}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

# Every manual page in packaging/man goes to its section, compressed as
# Debian's policy asks (gzip -9n: no name or time stamp, so builds repeat).
file(GLOB _man_pages CONFIGURE_DEPENDS ${_pkg}/man/*.[1-9])
set(_man_outputs)
foreach(_page ${_man_pages})
  get_filename_component(_name ${_page} NAME)
  string(REGEX REPLACE ".*\\.([1-9])$" "\\1" _section ${_name})
  set(_out ${PROJECT_BINARY_DIR}/man/${_name}.gz)
  add_custom_command(OUTPUT ${_out}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
                     COMMAND gzip -9n -c ${_page} > ${_out}
                     DEPENDS ${_page})
  install(FILES ${_out} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${_section})
  list(APPEND _man_outputs ${_out})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${_man_outputs})

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
and as decimal, hexadecimal, character, nibble and byte readouts. The
bc16 command evaluates the same operations from a terminal or a script.")
# The libraries are what the binaries list as NEEDED (libQt6Widgets, libQt6Gui,
# libQt6Core, libfontconfig, libstdc++, libgcc_s, libm and libc; bc16, with its C++ runtime
# linked in, only libc), with the lowest versions dpkg-shlibdeps derives from
# the symbols they use (libc 2.36 for the runtime's arc4random); tools/check_deb_install.sh
# fails when that derivation names a package missing here. The platform
# plugins the program needs (xcb, offscreen) ship in libqt6gui6 itself. The
# fonts are the files the program links into its private font configuration.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.36), libgcc-s1 (>= 3.0), libstdc++6 (>= 11), \
libqt6core6 (>= 6.4.0), libqt6gui6 (>= 6.2.0), libqt6widgets6 (>= 6.3.0), \
libfontconfig1 (>= 2.12.6), \
fonts-liberation, fonts-wine, fonts-dejavu-core")
include(CPack)
