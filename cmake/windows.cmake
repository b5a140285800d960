# The Windows program: a GUI executable (no console) with the icon and version information,
# and what `cmake --install` lays out beside it so that the folder runs anywhere: Qt's
# libraries and plugins and the MinGW runtime. `make windows` zips that folder and
# `make installer` wraps it in an installer (installer/velmoor.nsi).
set_target_properties(velmoor PROPERTIES WIN32_EXECUTABLE ON)
# No link time in the program's header: the same source links to the same file.
target_link_options(velmoor PRIVATE LINKER:--no-insert-timestamp)

add_custom_command(OUTPUT ${generated}/velmoor.ico
  COMMAND icotool --create --output=${generated}/velmoor.ico
          ${generated}/icons/icon-16.png ${generated}/icons/icon-32.png ${generated}/icons/icon-48.png
          --raw=${generated}/icons/icon-256.png
  DEPENDS ${velmoor_icon_pngs})
configure_file(data/velmoor.rc.in ${generated}/velmoor.rc @ONLY)
set_source_files_properties(${generated}/velmoor.rc PROPERTIES OBJECT_DEPENDS ${generated}/velmoor.ico)
target_sources(velmoor PRIVATE ${generated}/velmoor.rc)

install(TARGETS velmoor RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets> DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${runtime_dll}" OR NOT EXISTS "${runtime_dll}")
    message(FATAL_ERROR "The MinGW runtime ${dll} was not found")
  endif()
  install(FILES ${runtime_dll} DESTINATION .)
  list(APPEND VELMOOR_MINGW_RUNTIME_DLLS "${runtime_dll}")
endforeach()
