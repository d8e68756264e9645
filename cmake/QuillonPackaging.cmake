# One Debian package with both programs: cpack -G DEB in the build directory.
set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR "quillon developers")
set(CPACK_PACKAGE_CONTACT "quillon developers <dev@quillon.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Involute spline calculator to DIN 5480 (tolerance and lite editions)")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), qt6-qpa-plugins, libsqlite3-0, fonts-arphic-uming | fonts-wqy-zenhei, fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")
include(CPack)
