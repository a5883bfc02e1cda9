# What `cmake --install` puts where: both programs, and on Linux for the
# window the desktop entry, the icon in the hicolor theme, the MIME type of
# *.ign files and the AppStream description; a man page for each program.
set(IGN_APP_ID io.github.ignconverter.IgnConverter)
set(IGN_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)
set(IGN_ICON_DIR ${PROJECT_SOURCE_DIR}/resources/icons)

if(TARGET ign-convert)
  install(TARGETS ign-convert RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/man/ign-convert.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(TARGET ign-converter)
  install(TARGETS ign-converter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# The rest is for Linux desktops; Windows gets its installer instead
# (cmake/PackageWindows.cmake).
if(TARGET ign-converter AND NOT WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/man/ign-converter.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${IGN_DESKTOP_DIR}/${IGN_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${IGN_DESKTOP_DIR}/${IGN_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${IGN_DESKTOP_DIR}/ign-converter-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ign-converter.xml)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icon.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME ign-converter.png)
  install(FILES ${IGN_ICON_DIR}/ign-converter-48.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps RENAME ign-converter.png)
  install(FILES ${IGN_ICON_DIR}/ign-converter.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
