# A Debian package of what `cmake --install` puts in place: both libraries, the headers, the
# CMake and pkg-config files and the themes, under /usr. Made with `cpack -G DEB` in the build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trellis)
set(CPACK_PACKAGE_VENDOR "Trellis")
set(CPACK_PACKAGE_CONTACT "Trellis developers <trellis@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Owner-drawn, windowless desktop controls (C++20)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
# The shared libraries' own needs come from dpkg-shlibdeps; the fonts the default theme names
# are read at run time, so no library records them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-wqy-microhei")
include(CPack)
