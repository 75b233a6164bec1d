# The installed layout and the Debian package. Installed, the program finds its
# sounds and help page in ../share/kelvaro beside bin/.
include(GNUInstallDirs)

set(KELVARO_APP_ID com.example.Kelvaro)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)
# The metainfo, the manual pages and the changelog take the project's version.
set(configured ${CMAKE_BINARY_DIR}/packaging)
foreach(f ${KELVARO_APP_ID}.metainfo.xml kelvaro.6 kelvaro-buttons.1 changelog)
  configure_file(${packaging}/${f}.in ${configured}/${f} @ONLY)
endforeach()

install(TARGETS kelvaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KELVARO_PROGRAM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kelvaro)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${packaging}/${KELVARO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${configured}/${KELVARO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the changelog go compressed, as Debian's tools expect;
# -n keeps the bytes free of the build's time.
set(compressed "")
foreach(f kelvaro.6 kelvaro-buttons.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${f}.gz
    COMMAND sh -c "gzip -9n -c '${configured}/${f}' > '${CMAKE_BINARY_DIR}/${f}.gz'"
    DEPENDS ${configured}/${f} VERBATIM)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/${f}.gz)
endforeach()
add_custom_target(kelvaro_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/kelvaro.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/kelvaro-buttons.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelvaro)
install(FILES ${packaging}/lintian/kelvaro DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VENDOR "The Kelvaro team")
set(CPACK_PACKAGE_CONTACT "The Kelvaro team <kelvaro@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "animal tile matching game against the clock")
set(CPACK_PACKAGE_DESCRIPTION
  "Kelvaro lays 140 animal tiles on a board with an empty lane around it. Two\n tiles with the same animal leave the board when a path of at most three\n straight lines joins them through empty cells. Twelve levels against a\n clock, help moves, reshuffled boards, pause and restart, in a skinned\n window that opens where it was left.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.example.com/kelvaro/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces the program draws its captions with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fontconfig, fonts-arphic-uming, fonts-dejavu-core, fonts-dejavu-extra")
include(CPack)
