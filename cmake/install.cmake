# Installing Velmoor as a desktop program (freedesktop layout under the prefix) and packing
# it as a .deb with CPack: `cmake --install`, `make install PREFIX=...`, `make package`.
include(GNUInstallDirs)

set(app_id ${VELMOOR_APP_ID_EFFECTIVE})
# The release date as Debian's changelog writes it.
execute_process(COMMAND date -u -R -d "${VELMOOR_RELEASE_DATE} 12:00:00"
                OUTPUT_VARIABLE VELMOOR_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)

configure_file(data/velmoor.desktop.in ${generated}/${app_id}.desktop @ONLY)
configure_file(data/velmoor.metainfo.xml.in ${generated}/${app_id}.metainfo.xml @ONLY)
configure_file(data/velmoor.1.in ${generated}/velmoor.1 @ONLY)
configure_file(data/changelog.in ${generated}/changelog @ONLY)

# Manual and changelog compressed, reproducibly (no name, no time stamp in the gzip header).
add_custom_command(OUTPUT ${generated}/velmoor.1.gz ${generated}/changelog.gz
  COMMAND gzip -9nkf ${generated}/velmoor.1 ${generated}/changelog
  DEPENDS ${generated}/velmoor.1 ${generated}/changelog)
add_custom_target(velmoor_docs ALL DEPENDS ${generated}/velmoor.1.gz ${generated}/changelog.gz)

install(TARGETS velmoor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${generated}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/velmoor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${app_id}.svg)
foreach(size IN LISTS VELMOOR_ICON_SIZES)
  install(FILES ${generated}/icons/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${app_id}.png)
endforeach()
install(FILES ${generated}/velmoor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/copyright ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmoor)

# The .deb
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmoor)
set(CPACK_PACKAGE_VENDOR "${VELMOOR_PUBLISHER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VELMOOR_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "answers a question with Yes or No")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmoor is a small desktop program for the small questions of life: type a"
    "question, press Get My Answer and read a fair Yes or No after four seconds"
    "of Please Wait.")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELMOOR_SITE_BASE}/velmoor/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plugins at run time, so no library check sees them: X11 and Wayland.
# The faces put in place of Verdana and MS Sans Serif (fontconfig would otherwise match
# whatever is installed, a monospace face among them). The links open through xdg-open; Qt's
# own texts in the user's language come from Qt's translations, Japanese and Chinese glyphs
# from WenQuanYi Micro Hei (DejaVu Sans has Arabic).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n, fonts-wqy-microhei")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_SOURCE_DIR}/dist)
include(CPack)
