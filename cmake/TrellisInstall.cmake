# Installs the library, its headers by folder, a CMake package and a pkg-config file.
include(CMakePackageConfigHelpers)

install(TARGETS trellis EXPORT TrellisTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/trellis)

foreach(folder IN ITEMS platform host foundation edit tree droplist scroll choice datepicker button resources)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${folder})
    install(DIRECTORY ${folder}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/trellis/${folder}
      FILES_MATCHING PATTERN "*.h" PATTERN "backend/sdl" EXCLUDE)
  endif()
endforeach()

install(EXPORT TrellisTargets NAMESPACE Trellis:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Trellis)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TrellisConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TrellisConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Trellis)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TrellisConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TrellisConfig.cmake ${PROJECT_BINARY_DIR}/TrellisConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Trellis)

# The prefix is found relative to the .pc file, so the package can be installed anywhere.
file(RELATIVE_PATH TRELLIS_PC_TO_PREFIX "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
configure_file(${PROJECT_SOURCE_DIR}/cmake/trellis.pc.in ${PROJECT_BINARY_DIR}/trellis.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/trellis.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The shipped themes, where the installed library looks for them (host/ThemeFiles.h).
install(DIRECTORY themes/ DESTINATION ${CMAKE_INSTALL_DATADIR}/trellis/themes)
