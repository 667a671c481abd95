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
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${KORV_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/share/lang/ DESTINATION ${KORV_INSTALL_LANGDIR})

# The copyright file in Debian's machine-readable form. Its licence text is LICENSE's, below the
# notice, so that the two never differ; LICENSE itself is not installed beside it.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE korv_license)
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n" "" korv_license "${korv_license}")
string(STRIP "${korv_license}" korv_license)
string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" korv_license "${korv_license}")
string(REGEX REPLACE "\n" "\n " KORV_LICENSE_TEXT " ${korv_license}")
configure_file(${PROJECT_SOURCE_DIR}/dist/debian/copyright.in ${PROJECT_BINARY_DIR}/debian/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright DESTINATION ${KORV_INSTALL_DOCDIR})

# Manual pages and the Debian changelog, compressed as Debian ships them: gzip -9n, the best
# compression and no name or time stamp, so that two builds give the same bytes. Without gzip (not
# a Debian system) they are installed as they are.
find_program(KORV_GZIP gzip)
if(NOT KORV_GZIP)
  message(WARNING "gzip not found: manual pages and changelog will be installed uncompressed")
endif()
set(korv_compressed)
# Puts source into the build folder as destination (mode: @ONLY to put the version into a page,
# COPYONLY for a text taken as it is), compressed, and installs it into folder as name[.gz].
function(korv_install_compressed source destination mode folder name)
  configure_file(${source} ${PROJECT_BINARY_DIR}/${destination} ${mode})
  if(NOT KORV_GZIP)
    install(FILES ${PROJECT_BINARY_DIR}/${destination} DESTINATION ${folder} RENAME ${name})
    return()
  endif()
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${destination}.gz
                     COMMAND ${KORV_GZIP} -9nkf ${PROJECT_BINARY_DIR}/${destination}
                     DEPENDS ${PROJECT_BINARY_DIR}/${destination}
                     VERBATIM)
  install(FILES ${PROJECT_BINARY_DIR}/${destination}.gz DESTINATION ${folder} RENAME ${name}.gz)
  set(korv_compressed ${korv_compressed} ${PROJECT_BINARY_DIR}/${destination}.gz PARENT_SCOPE)
endfunction()
foreach(program IN LISTS KORV_INSTALLED_PROGRAMS)
  korv_install_compressed(${PROJECT_SOURCE_DIR}/docs/man/${program}.1.in man/${program}.1 @ONLY
                          ${CMAKE_INSTALL_MANDIR}/man1 ${program}.1)
endforeach()
# Debian names a package's own changelog changelog.Debian when the version carries a Debian
# revision (below); its newest entry must name the package's version.
korv_install_compressed(${PROJECT_SOURCE_DIR}/dist/debian/changelog debian/changelog.Debian COPYONLY
                        ${KORV_INSTALL_DOCDIR} changelog.Debian)
add_custom_target(korv_compressed_docs ALL DEPENDS ${korv_compressed})
# What lintian is told to let pass, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/dist/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ${KORV_PACKAGE_NAME})

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

# Everything the package holds and nothing else (no tests, no tools), for a build made only to
# package it (scripts/package.sh).
add_custom_target(korv_package_files)
add_dependencies(korv_package_files ${KORV_INSTALLED_PROGRAMS} korvsetup-report korv_compressed_docs)
if(KORV_RSVG_CONVERT)
  add_dependencies(korv_package_files korv_icons)
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
# The package's own revision: a change to the packaging alone makes 1.39-2, not a new program
# version. The changelog's newest entry names the whole version.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; CPack puts it before this long text itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "KOrvSetup configures field transmitters through their RS-232 configuration
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
# Qt's own dialogs (file choosers, standard buttons) in the program's language; without it they are English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# Qt loads its X11 platform plugin and its JPEG reader at run time, where dpkg-shlibdeps cannot see
# them; on Debian 12 both ship in the Qt GUI library's own package, which the program links and
# dpkg-shlibdeps therefore names (the package test fails should that ever change).
# Serial access comes from the user's group membership; the package adds no udev rules and no
# maintainer scripts that could change device permissions.
include(CPack)
