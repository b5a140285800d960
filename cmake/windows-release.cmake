# A release, each step a target of the Windows build (the Makefile's windows, installer and
# release call them through the presets of the same names):
#   windows_folder  dist/velmoor-<version>-win64/: the program and what it needs, stripped,
#                   with THIRD-PARTY-NOTICES.txt, velmoor.exe signed
#   windows_zip     that folder zipped
#   installer       dist/velmoor-<version>-setup.exe, its uninstaller and itself signed; the
#                   signatures of the signed files inside others (-signatures.zip), and the
#                   package manager's manifest for the installer (-winget/)
#   qt_source       dist/velmoor-<version>-qt-source.tar: the source of the Qt it ships
#   release         all of these, the .deb (built through the release preset), and SHA256SUMS
#                   with its OpenPGP signature
# Keys come from the environment (scripts/authenticode.sh, VELMOOR_GPG_KEY); without them the
# files are unsigned and the build says so. Every date written is VELMOOR_SOURCE_DATE_EPOCH's.
set(VELMOOR_DOWNLOAD_URL "${VELMOOR_SITE_BASE}/velmoor/download/" CACHE STRING
    "Where a release's files are published, ending with /")
set(VELMOOR_RELEASE_NOTES_URL "${VELMOOR_SITE_BASE}${VELMOOR_PAGE_PATH}download-web-page" CACHE STRING
    "The page that says what a release changed")
# The installer's key under HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall, which
# Windows' package manager knows the installed program by.
set(VELMOOR_PRODUCT_CODE Velmoor)

set(dist ${CMAKE_SOURCE_DIR}/dist)
set(release_name velmoor-${PROJECT_VERSION})
set(folder ${dist}/${release_name}-win64)
set(setup ${dist}/${release_name}-setup.exe)
set(signatures ${dist}/${release_name}-signatures)
set(qt_source ${dist}/${release_name}-qt-source.tar)
set(winget ${dist}/${release_name}-winget)
set(home_page "${VELMOOR_SITE_BASE}${VELMOOR_PAGE_PATH}home-page")
set(with_epoch ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VELMOOR_SOURCE_DATE_EPOCH})
set(signing ${CMAKE_COMMAND} -E env VELMOOR_SIGN_DESCRIPTION=Velmoor VELMOOR_SIGN_URL=${home_page})
set(authenticode bash ${CMAKE_SOURCE_DIR}/scripts/authenticode.sh)
get_filename_component(qt_windows_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
# The files the tests and the bench look for, without knowing the version.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/release.json CONTENT [[{
  "version": "@PROJECT_VERSION@", "folder": "@folder@", "zip": "@folder@.zip", "installer": "@setup@",
  "signatures": "@signatures@", "qt_source": "@qt_source@", "winget": "@winget@",
  "qt_notices": "@qt_windows_prefix@/velmoor-notices.json", "download_url": "@VELMOOR_DOWNLOAD_URL@"
}
]] @ONLY)

# The folder: `cmake --install` lays it out, then this strips what was built, writes the
# notices of what it holds and signs the program.
set(binaries ${VELMOOR_WINDOWS_FILES})
list(FILTER binaries INCLUDE REGEX "\\.(exe|dll)$")
install(CODE "
  set(velmoor_top [[${CMAKE_SOURCE_DIR}]])
  set(velmoor_strip [[${CMAKE_STRIP}]])
  set(velmoor_binaries [[${binaries}]])
  set(velmoor_notices_args [[--qt-notices;${qt_windows_prefix}/velmoor-notices.json;--version;${PROJECT_VERSION};--source-archive;${release_name}-qt-source.tar;--download-url;${VELMOOR_DOWNLOAD_URL};${velmoor_runtime}]])
")
install(SCRIPT cmake/windows-folder.cmake)
list(APPEND VELMOOR_WINDOWS_FILES THIRD-PARTY-NOTICES.txt)

add_custom_target(windows_folder
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${folder} ${folder}.zip ${signatures} ${signatures}.zip
  COMMAND ${authenticode} --status
  COMMAND ${signing} VELMOOR_SIGNATURES_OUT=${signatures} ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${folder}
  DEPENDS velmoor
  COMMENT "Laying out ${folder}"
  VERBATIM)
add_custom_target(windows_zip
  COMMAND ${with_epoch} bash ${CMAKE_SOURCE_DIR}/scripts/zip-reproducibly.sh ${dist} ${release_name}-win64
  DEPENDS windows_folder
  COMMENT "Zipping ${folder}.zip"
  VERBATIM)

# What the installer (installer/velmoor.nsi) takes from the build: the guard's name, the
# publisher and its pages for the Apps entry, the year, the Apps entry's key, the program's
# files for the uninstaller to remove, and the signing of the uninstaller.
set(uninstall_files)
foreach(file IN LISTS VELMOOR_WINDOWS_FILES)
  string(REPLACE "/" "\\" file "${file}")
  string(APPEND uninstall_files "  Delete \"$INSTDIR\\${file}\"\n")
endforeach()
file(CONFIGURE OUTPUT ${generated}/installer.nsh CONTENT [[
!define APP_ID "@VELMOOR_APP_ID_EFFECTIVE@"
!define PUBLISHER "@VELMOOR_PUBLISHER@"
!define HOME_PAGE "@home_page@"
!define HELP_PAGE "@VELMOOR_SITE_BASE@@VELMOOR_PAGE_PATH@help-web-page"
!define COPYRIGHT_YEAR "@VELMOOR_COPYRIGHT_YEAR@"
!define PRODUCT_CODE "@VELMOOR_PRODUCT_CODE@"
!define NOTICES "THIRD-PARTY-NOTICES.txt"
!uninstfinalize 'bash "@CMAKE_SOURCE_DIR@/scripts/authenticode.sh" "%1" uninstall.exe'
!macro DELETE_PROGRAM_FILES
@uninstall_files@!macroend
]] @ONLY)
add_custom_target(installer
  COMMAND ${signing} VELMOOR_SIGNATURES_OUT=${signatures} ${with_epoch}
          makensis -V2 -DVERSION=${PROJECT_VERSION} -DSOURCE=${folder} -DICON=${generated}/velmoor.ico
          -DCONFIG=${generated}/installer.nsh -DOUTFILE=${setup} ${CMAKE_SOURCE_DIR}/installer/velmoor.nsi
  COMMAND ${signing} --unset=VELMOOR_SIGNATURES ${authenticode} ${setup}
  COMMAND ${with_epoch} bash ${CMAKE_SOURCE_DIR}/scripts/zip-reproducibly.sh ${dist} ${release_name}-signatures
          --if-present
  COMMAND ${CMAKE_COMMAND} -DINSTALLER=${setup} -DOUT=${winget} -DVERSION=${PROJECT_VERSION}
          -DPUBLISHER=${VELMOOR_PUBLISHER} -DPRODUCT_CODE=${VELMOOR_PRODUCT_CODE} -DRELEASE_DATE=${VELMOOR_RELEASE_DATE}
          -DINSTALLER_URL=${VELMOOR_DOWNLOAD_URL}${release_name}-setup.exe -DSITE=${VELMOOR_SITE_BASE}
          -DHOME_PAGE=${home_page} -DRELEASE_NOTES_URL=${VELMOOR_RELEASE_NOTES_URL}
          -P ${CMAKE_SOURCE_DIR}/cmake/winget-manifest.cmake
  DEPENDS windows_zip ${generated}/velmoor.ico
  COMMENT "Making ${setup}"
  VERBATIM)

add_custom_target(qt_source
  COMMAND ${with_epoch} bash ${CMAKE_SOURCE_DIR}/scripts/qt-source-archive.sh ${qt_source}
  COMMENT "Archiving the source of the Qt shipped: ${qt_source}"
  VERBATIM)

# The .deb comes from the Linux build, made here through its own preset.
add_custom_target(debian_package
  COMMAND ${with_epoch} ${CMAKE_COMMAND} --preset release -DVELMOOR_WERROR=${VELMOOR_WERROR}
  COMMAND ${with_epoch} ${CMAKE_COMMAND} --build --preset release-all
  COMMAND ${CMAKE_COMMAND} -E chdir build/release ${with_epoch} ${CMAKE_CPACK_COMMAND} -G DEB
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Building the .deb"
  VERBATIM)
add_custom_target(release
  COMMAND ${CMAKE_COMMAND} -DDIST=${dist}
          "-DFILES=velmoor_${PROJECT_VERSION}_amd64.deb;${release_name}-win64.zip;${release_name}-setup.exe;${release_name}-qt-source.tar"
          -DOPTIONAL_FILES=${release_name}-signatures.zip -P ${CMAKE_SOURCE_DIR}/cmake/checksums.cmake
  DEPENDS debian_package installer qt_source
  VERBATIM)
