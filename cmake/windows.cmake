# The Windows program: a GUI executable (no console) with the icon and version information,
# and what `cmake --install` lays out beside it so that the folder runs anywhere: Qt's
# libraries and plugins and the MinGW runtime. `make windows` zips that folder and
# `make installer` wraps it in an installer (installer/velmoor.nsi).
set_target_properties(velmoor PROPERTIES WIN32_EXECUTABLE ON)
# No link time in the program's header: the same source links to the same file.
target_link_options(velmoor PRIVATE LINKER:--no-insert-timestamp)

# Every size Windows picks from at 100 to 200 % scale; 256 stored as PNG.
set(velmoor_ico_sizes)
foreach(size 16 20 24 32 40 48 64)
  list(APPEND velmoor_ico_sizes ${generated}/icons/icon-${size}.png)
endforeach()
add_custom_command(OUTPUT ${generated}/velmoor.ico
  COMMAND icotool --create --output=${generated}/velmoor.ico ${velmoor_ico_sizes}
          --raw=${generated}/icons/icon-256.png
  DEPENDS ${velmoor_icon_pngs})
string(SUBSTRING "${VELMOOR_RELEASE_DATE}" 0 4 VELMOOR_COPYRIGHT_YEAR)
configure_file(data/velmoor.rc.in ${generated}/velmoor.rc @ONLY)
configure_file(data/velmoor.manifest ${generated}/velmoor.manifest @ONLY)
set_source_files_properties(${generated}/velmoor.rc PROPERTIES OBJECT_DEPENDS
                            "${generated}/velmoor.ico;${generated}/velmoor.manifest")
target_sources(velmoor PRIVATE ${generated}/velmoor.rc)

# What the folder holds, each file once: installed here, stripped, accounted for in the
# notices and removed by the uninstaller.
set(CMAKE_INSTALL_MESSAGE NEVER)
install(TARGETS velmoor RUNTIME DESTINATION .)
set(VELMOOR_WINDOWS_FILES velmoor.exe)
foreach(library Core Gui Widgets)
  install(FILES $<TARGET_FILE:Qt6::${library}> DESTINATION .)
  list(APPEND VELMOOR_WINDOWS_FILES Qt6${library}.dll)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
list(APPEND VELMOOR_WINDOWS_FILES platforms/qwindows.dll styles/qwindowsvistastyle.dll)
# Qt's own texts (message-box buttons, a field's menu) in each of the program's languages:
# Qt's translations of this Qt version, from the machine that builds.
foreach(language IN LISTS VELMOOR_LANGUAGES)
  set(qt_qm ${QT_HOST_PATH}/share/qt6/translations/qtbase_${language}.qm)
  if(NOT EXISTS ${qt_qm})
    message(FATAL_ERROR "Qt's translation ${qt_qm} was not found (Debian: qt6-translations-l10n)")
  endif()
  install(FILES ${qt_qm} DESTINATION translations)
  list(APPEND VELMOOR_WINDOWS_FILES translations/qtbase_${language}.qm)
endforeach()
set(velmoor_runtime)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${runtime_dll}" OR NOT EXISTS "${runtime_dll}")
    message(FATAL_ERROR "The MinGW runtime ${dll} was not found")
  endif()
  install(FILES ${runtime_dll} DESTINATION .)
  list(APPEND VELMOOR_WINDOWS_FILES ${dll})
  list(APPEND VELMOOR_MINGW_RUNTIME_DLLS ${runtime_dll}) # the unit tests run beside them too
  list(APPEND velmoor_runtime --runtime ${dll}=${runtime_dll})
endforeach()

include(cmake/windows-release.cmake)
