# `cmake --build --preset windows --target package-windows`: the installer
# ign-converter-VERSION-setup.exe (NSIS, 64-bit) and a plain .zip of the two
# programs, both in the build folder. The programs go in without their
# symbols. Built with everything else where makensis is found, so that the
# tests can install it.
if(NOT (TARGET ign-converter AND TARGET ign-convert))
  return()
endif()
find_program(IGN_MAKENSIS makensis)

set(IGN_STAGE ${CMAKE_BINARY_DIR}/package)
set(IGN_SETUP ${CMAKE_BINARY_DIR}/ign-converter-${PROJECT_VERSION}-setup.exe)
set(IGN_ZIP ${CMAKE_BINARY_DIR}/ign-converter-${PROJECT_VERSION}-windows-x64.zip)
set(IGN_ICON ${PROJECT_SOURCE_DIR}/resources/icon.ico)

add_custom_command(
  OUTPUT ${IGN_STAGE}/ign-converter.exe ${IGN_STAGE}/ign-convert.exe
  COMMAND ${CMAKE_COMMAND} -E make_directory ${IGN_STAGE}
  COMMAND ${CMAKE_STRIP} -o ${IGN_STAGE}/ign-converter.exe $<TARGET_FILE:ign-converter>
  COMMAND ${CMAKE_STRIP} -o ${IGN_STAGE}/ign-convert.exe $<TARGET_FILE:ign-convert>
  DEPENDS ign-converter ign-convert
  COMMENT "Staging the two programs without their symbols")

add_custom_command(
  OUTPUT ${IGN_ZIP}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${IGN_ZIP} --format=zip ign-converter.exe ign-convert.exe
  WORKING_DIRECTORY ${IGN_STAGE}
  DEPENDS ${IGN_STAGE}/ign-converter.exe ${IGN_STAGE}/ign-convert.exe
  COMMENT "Zipping the two programs")

set(IGN_PACKAGES ${IGN_ZIP})
if(IGN_MAKENSIS)
  configure_file(${PROJECT_SOURCE_DIR}/resources/windows/installer.nsi.in
                 ${CMAKE_BINARY_DIR}/installer.nsi @ONLY)
  add_custom_command(
    OUTPUT ${IGN_SETUP}
    COMMAND ${IGN_MAKENSIS} -V2 -NOCD ${CMAKE_BINARY_DIR}/installer.nsi
    DEPENDS ${CMAKE_BINARY_DIR}/installer.nsi ${IGN_STAGE}/ign-converter.exe
            ${IGN_STAGE}/ign-convert.exe ${IGN_ICON}
    COMMENT "Building the installer with NSIS")
  list(APPEND IGN_PACKAGES ${IGN_SETUP})
else()
  message(STATUS "makensis not found: no installer (scripts/install-deps.sh --windows)")
endif()
add_custom_target(package-windows ALL DEPENDS ${IGN_PACKAGES})
