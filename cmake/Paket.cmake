# Installation (FHS and freedesktop places) and the Debian package made from it by CPack.
# "cmake --install build --prefix /usr" puts the programs into bin/ and everything they read
# at run time into share/kalvora/, where they look for it beside ../share/kalvora.
include(GNUInstallDirs)

set(paket ${PROJECT_SOURCE_DIR}/paket)
set(paket_bau ${CMAKE_BINARY_DIR}/paket)
file(MAKE_DIRECTORY ${paket_bau})

install(TARGETS kalvora kalvora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The delivered files, as the build folder and the source tree hold them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/daten/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/kalvora
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# Desktop entry, MIME types, icons, AppStream.
install(FILES ${paket}/de.kalvora.Kalvora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${paket}/kalvora-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME kalvora.xml)
foreach(n 16 22 24 32 48 64 128 256)
  install(FILES ${paket}/icons/${n}x${n}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${n}x${n}/apps
          RENAME de.kalvora.Kalvora.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/daten/icons/kalvora.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME de.kalvora.Kalvora.svg)
configure_file(${paket}/de.kalvora.Kalvora.metainfo.xml.in
               ${paket_bau}/de.kalvora.Kalvora.metainfo.xml @ONLY)
install(FILES ${paket_bau}/de.kalvora.Kalvora.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages and the shell completion: kalvora-cli's pages come from its own command table.
find_program(GZIP_PROGRAMM gzip REQUIRED)
add_custom_command(
  OUTPUT ${paket_bau}/kalvora-cli.1.gz ${paket_bau}/kalvora.1.gz ${paket_bau}/kalvora-cli
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/handbuch.sh $<TARGET_FILE:kalvora-cli>
          ${KALVORA_FREIGABEDATUM} ${paket} ${paket_bau}
  DEPENDS kalvora-cli ${paket}/kalvora.1 ${PROJECT_SOURCE_DIR}/scripts/handbuch.sh
  COMMENT "Handbuchseiten und Vervollständigung" VERBATIM)
add_custom_target(kalvora_handbuch ALL DEPENDS ${paket_bau}/kalvora-cli.1.gz)
install(FILES ${paket_bau}/kalvora.1.gz ${paket_bau}/kalvora-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${paket_bau}/kalvora-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Licence and the package's own documents.
configure_file(${paket}/changelog.in ${paket_bau}/changelog @ONLY)
add_custom_command(OUTPUT ${paket_bau}/changelog.Debian.gz
                   COMMAND ${GZIP_PROGRAMM} -n -9 -c ${paket_bau}/changelog
                           > ${paket_bau}/changelog.Debian.gz
                   DEPENDS ${paket_bau}/changelog)
add_custom_target(kalvora_changelog ALL DEPENDS ${paket_bau}/changelog.Debian.gz)
install(FILES ${paket}/copyright ${paket_bau}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kalvora)

# The Debian package: "make deb" (cpack -G DEB in the build folder).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalvora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Kalvora)
set(CPACK_PACKAGE_CONTACT "Kalvora <info@kalvora.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calendar and year planner with the whole year on one screen")
set(CPACK_PACKAGE_DESCRIPTION
    "Kalvora shows one whole year as twelve month rows. Days are marked with\n"
    "up to 20 named colours; every day has an info text and a list of\n"
    "appointments, with holidays, calendar weeks, sunrise and sunset,\n"
    "birthdays, name days and alarms. Month, week and timetable views,\n"
    "printing, CSV, XML and iCalendar exchange, an address book and\n"
    "statistics complete it. The user interface is German.")
# Packaged from upstream: Debian revision 1, so the changelog is changelog.Debian.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KALVORA_WEBSEITE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: the window system plugins, the
# GStreamer elements behind the alarm sound, the zone data of the iCalendar exchange.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, tzdata")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core | fonts-liberation, xdg-utils")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_INSTALL_DIRECTORY kalvora)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
include(CPack)
