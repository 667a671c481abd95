# Installation as a desktop program (GNU directories, hicolor icons, desktop entry, AppStream data)
# and the Debian package CPack builds from the same rules.
include(GNUInstallDirs)

set(KORV_APP_ID example.korvsetup.KOrvSetup)
set(KORV_PACKAGE_NAME korvsetup)
set(KORV_INSTALLED_PROGRAMS KOrvSetup korvsetup-cli)

# Debian keeps a package's documents under the package's own name.
set(KORV_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/${KORV_PACKAGE_NAME})
set(KORV_INSTALL_LANGDIR ${CMAKE_INSTALL_DATADIR}/${KORV_PACKAGE_NAME}/lang)
set(KORV_ICON_SVG ${PROJECT_SOURCE_DIR}/assets/icons/${KORV_APP_ID}.svg)

install(TARGETS ${KORV_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/dist/${KORV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/dist/${KORV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KORV_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${KORV_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${KORV_INSTALL_DOCDIR} RENAME copyright)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/share/lang/ DESTINATION ${KORV_INSTALL_LANGDIR})

# Bitmap icons for menus and panels that do not scale the SVG themselves, drawn from the SVG at
# build time so that the two never drift apart.
set(KORV_ICON_SIZES 16 22 24 32 48 64 128 256)
find_program(KORV_RSVG_CONVERT rsvg-convert)
if(KORV_RSVG_CONVERT)
  set(korv_icon_files)
  foreach(size IN LISTS KORV_ICON_SIZES)
    set(folder ${PROJECT_BINARY_DIR}/icons/${size}x${size}/apps)
    set(png ${folder}/${KORV_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                       COMMAND ${KORV_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${KORV_ICON_SVG}
                       DEPENDS ${KORV_ICON_SVG}
                       VERBATIM)
    list(APPEND korv_icon_files ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(korv_icons ALL DEPENDS ${korv_icon_files})
else()
  message(WARNING "rsvg-convert not found (Debian: librsvg2-bin): only the scalable icon will be installed")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${KORV_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The KOrvSetup project")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure temperature and humidity transmitters over RS-232")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The KOrvSetup project <packaging@korvsetup.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://korvsetup.example/)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}
KOrvSetup configures field transmitters through their RS-232 configuration
interface: head and rail mounted temperature transmitters (thermocouples,
Pt100, millivolt, 0-10 V and current inputs), a humidity and temperature
transmitter and an ambient temperature transmitter.
.
It finds the transmitter on the saved serial port, identifies it, reads its
configuration, checks every edit against the limits of the sensor and the
model, and writes the registers back, reading each one back to verify it.
Captions and messages can be replaced by a language file; English and
Spanish ones are included.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its X11 platform plugin and its JPEG reader at run time, where dpkg-shlibdeps cannot see
# them; on Debian 12 both ship in the Qt GUI library's own package, which the program links and
# dpkg-shlibdeps therefore names (the package test fails should that ever change).
# Serial access comes from the user's group membership; the package adds no udev rules and no
# maintainer scripts that could change device permissions.
include(CPack)
