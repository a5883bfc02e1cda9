# A cross build finds packages only in the target's tree, where Debian puts no
# nlohmann-json. It is headers alone, the same for every target: its folder
# is copied from the host into the build folder and announced by a small
# package file, so that find_package() works as in a native build while the
# host's /usr/include never reaches the compiler. Where the target's tree has
# the package (MSYS2, vcpkg), that is used.
set(IGN_HOST_INCLUDE_DIR /usr/include CACHE PATH "Where the host keeps nlohmann-json's headers")

function(ign_stage_header_package package target folder)
  find_package(${package} CONFIG QUIET)
  if(${package}_FOUND)
    return()
  endif()
  set(source ${IGN_HOST_INCLUDE_DIR}/${folder})
  if(NOT IS_DIRECTORY ${source})
    message(FATAL_ERROR "${package} not found: no ${source} (scripts/install-deps.sh --windows)")
  endif()
  set(stage ${CMAKE_BINARY_DIR}/host-headers)
  file(COPY ${source} DESTINATION ${stage}/include)
  file(WRITE ${stage}/${package}/${package}Config.cmake
       "if(NOT TARGET ${target})\n"
       "  add_library(${target} INTERFACE IMPORTED)\n"
       "  set_target_properties(${target} PROPERTIES\n"
       "    INTERFACE_INCLUDE_DIRECTORIES ${stage}/include)\n"
       "endif()\n")
  set(${package}_DIR ${stage}/${package} CACHE PATH "Staged header-only package" FORCE)
endfunction()

ign_stage_header_package(nlohmann_json nlohmann_json::nlohmann_json nlohmann)
