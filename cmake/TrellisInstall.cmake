# Installs the library, its headers by folder, a CMake package and pkg-config files; with the
# SDL backend built, the window library too, as the package's "window" component.
include(CMakePackageConfigHelpers)

target_compile_features(trellis PUBLIC cxx_std_20)
install(TARGETS trellis EXPORT TrellisTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The window library's one public header opens a window and runs its loop; the rest of the
# backend includes SDL's and ATK's headers, which a host need not have.
foreach(folder IN ITEMS platform host foundation edit tree droplist scroll choice datepicker button resources)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${folder})
    install(DIRECTORY ${folder}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/trellis/${folder}
      FILES_MATCHING PATTERN "*.h" PATTERN "backend/sdl" EXCLUDE
      PATTERN "backend/atk" EXCLUDE)
  endif()
endforeach()
install(EXPORT TrellisTargets NAMESPACE Trellis:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Trellis)

if(TARGET trellis_window)
  install(TARGETS trellis_window EXPORT TrellisWindowTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(FILES platform/backend/sdl/SdlScreen.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/trellis/platform/backend/sdl)
  install(EXPORT TrellisWindowTargets NAMESPACE Trellis::
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Trellis)
endif()

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/TrellisConfig.cmake.in
  ${PROJECT_BINARY_DIR}/TrellisConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Trellis)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/TrellisConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/TrellisConfig.cmake ${PROJECT_BINARY_DIR}/TrellisConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Trellis)

# The prefix is found relative to the .pc file, so the package can be installed anywhere. The
# run path lets a program built with these flags find the library where it was installed,
# without LD_LIBRARY_PATH, in a prefix the loader does not search.
file(RELATIVE_PATH TRELLIS_PC_TO_PREFIX "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
foreach(pc IN ITEMS trellis trellis-window)
  if(pc STREQUAL trellis OR TARGET trellis_window)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/${pc}.pc.in ${PROJECT_BINARY_DIR}/${pc}.pc @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${pc}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
  endif()
endforeach()

# The shipped themes, where the installed library looks for them (host/ThemeFiles.h).
install(DIRECTORY themes/ DESTINATION ${CMAKE_INSTALL_DATADIR}/trellis/themes)
