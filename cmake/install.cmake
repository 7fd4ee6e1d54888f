# SPDX-FileCopyrightText: 2026 The Orvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where, and the Debian package made from it (`cpack -G DEB`).

set(ORVANE_APP_ID org.orvane.Orvane)
set(desktop_dir "${CMAKE_SOURCE_DIR}/data/desktop")

install(TARGETS orvane orvane-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The desktop files go where the desktop looks for them, not into the program's own data.
install(DIRECTORY data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/orvane PATTERN desktop EXCLUDE)

install(FILES "${desktop_dir}/${ORVANE_APP_ID}.desktop"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${desktop_dir}/${ORVANE_APP_ID}.metainfo.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# shared-mime-info names the installed package file after the program.
install(FILES "${desktop_dir}/${ORVANE_APP_ID}.xml"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

set(icon_root ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES "${desktop_dir}/icons/${ORVANE_APP_ID}.svg" DESTINATION ${icon_root}/scalable/apps)
install(FILES "${desktop_dir}/icons/application-x-orvane-calendar.svg"
              "${desktop_dir}/icons/application-x-orvane-style.svg"
        DESTINATION ${icon_root}/scalable/mimetypes)
foreach(size 16 22 24 32 48 64 128 256)
  set(pngs "${desktop_dir}/icons/${size}x${size}")
  install(FILES "${pngs}/${ORVANE_APP_ID}.png" DESTINATION ${icon_root}/${size}x${size}/apps)
  install(FILES "${pngs}/application-x-orvane-calendar.png" "${pngs}/application-x-orvane-style.png"
          DESTINATION ${icon_root}/${size}x${size}/mimetypes)
endforeach()

# Manual pages, compressed as Debian keeps them.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(man_pages)
foreach(page orvane.1 orvane-render.1)
  set(compressed "${CMAKE_BINARY_DIR}/man/${page}.gz")
  add_custom_command(OUTPUT "${compressed}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/man"
    COMMAND ${GZIP_PROGRAM} -9 -n -c "${CMAKE_SOURCE_DIR}/docs/man/${page}" > "${compressed}"
    DEPENDS "${CMAKE_SOURCE_DIR}/docs/man/${page}" VERBATIM)
  list(APPEND man_pages "${compressed}")
endforeach()
add_custom_target(orvane_man ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)

# The Debian package. dpkg-shlibdeps finds the libraries the programs link; the rest are
# what they load at run time: Qt's platform and image-format plug-ins, and the fonts that
# stand in for the families calendars name.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR "The Orvane developers")
set(CPACK_PACKAGE_CONTACT "The Orvane developers <orvane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "designer for printed calendar pages")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Orvane designs calendar pages and prints them: 22 page layouts (month pages, sheets of\n"
  "mini months, week and day planners), fonts, colours, borders and five languages, rich\n"
  "text and icons in the day cells, freeform objects, recurring dates, PDF and image export.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins, libqt6svg6, fonts-liberation2")
# Documents name the fonts of the system they were made on; these are drawn with fonts of the
# same measures (fontconfig's aliases: Calibri with Carlito, Cambria with Caladea).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-crosextra-carlito, fonts-crosextra-caladea, qt6-wayland, shared-mime-info, desktop-file-utils, hicolor-icon-theme")
# The clip-art library, offered as a place in the image browser when installed.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "openclipart-svg")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
