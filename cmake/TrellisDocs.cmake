# The API reference (target `docs`), built with the library and installed with it under
# share/doc/trellis/html. Doxygen fails on any warning, an undocumented member included.
option(TRELLIS_DOCS "Build the API reference (needs doxygen)" ON)
if(NOT TRELLIS_DOCS)
  return()
endif()
find_package(Doxygen)
if(NOT DOXYGEN_FOUND)
  message(FATAL_ERROR "TRELLIS_DOCS is on but doxygen was not found (Debian: doxygen); "
    "turn it off with -DTRELLIS_DOCS=OFF")
endif()

# The platform's Win32 and MFC subset keeps the names and meaning of the API it reproduces, and
# its other headers are how that subset is made; a host meets only its two screens.
set(docFolders host foundation edit tree droplist scroll choice datepicker button)
set(docInputs ${PROJECT_SOURCE_DIR}/docs/notifications.md
  ${PROJECT_SOURCE_DIR}/platform/backend/headless/HeadlessScreen.h
  ${PROJECT_SOURCE_DIR}/platform/backend/sdl/SdlScreen.h)
set(docHeaders ${docInputs})
foreach(folder IN LISTS docFolders)
  list(APPEND docInputs ${PROJECT_SOURCE_DIR}/${folder})
  file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  list(APPEND docHeaders ${headers})
endforeach()
list(JOIN docInputs " " TRELLIS_DOCS_INPUT)
set(TRELLIS_DOCS_OUT ${PROJECT_BINARY_DIR}/docs)
configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${TRELLIS_DOCS_OUT}/Doxyfile @ONLY)

add_custom_command(OUTPUT ${TRELLIS_DOCS_OUT}/html/index.html
  COMMAND ${CMAKE_COMMAND} -E remove_directory ${TRELLIS_DOCS_OUT}/html
  COMMAND Doxygen::doxygen ${TRELLIS_DOCS_OUT}/Doxyfile
  DEPENDS ${docHeaders} ${TRELLIS_DOCS_OUT}/Doxyfile
  COMMENT "Building the API reference"
  VERBATIM)
add_custom_target(docs ALL DEPENDS ${TRELLIS_DOCS_OUT}/html/index.html)
install(DIRECTORY ${TRELLIS_DOCS_OUT}/html/
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/trellis/html)
