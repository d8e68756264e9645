# One Debian package with both programs: cpack -G DEB in the build directory
# (scripts/check-package.sh builds it and runs lintian on it). On Windows: an NSIS installer and
# a zip of the same folder (QuillonWindowsPackaging).

# Who makes quillon and where it lives: the package's Maintainer and Homepage, the copyright
# file, the changelog trailer and the AppStream metadata all take it from here.
set(QUILLON_MAINTAINER "Seed 16019b5a maintainers <maintainers@users.noreply.c-seed-16019b5a.example>"
    CACHE STRING "Maintainer of the package: name <address>")
set(QUILLON_COPYRIGHT_HOLDER "The quillon authors")
set(QUILLON_HOMEPAGE "https://c-seed-16019b5a.example/quillon" CACHE STRING
    "The project's public home; screenshots for software centres are published below it")
# Screenshots of the release tag, so that the pictures match the release that names them.
set(QUILLON_SCREENSHOT_URL "${QUILLON_HOMEPAGE}/raw/v${PROJECT_VERSION}/docs")
# AppStream component IDs: the project's domain reversed (never change once published).
set(QUILLON_APPSTREAM_ID_PREFIX "example.c_seed_16019b5a")
set(QUILLON_PACKAGE_PREFIX /usr)

set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR "${QUILLON_COPYRIGHT_HOLDER}")
set(CPACK_PACKAGE_CONTACT "${QUILLON_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Involute spline calculator to DIN 5480 (tolerance and lite editions)")
set(CPACK_PACKAGE_DESCRIPTION [=[
quillon calculates involute splines to DIN 5480 (30 degree pressure angle).
A design or shop engineer enters one spline - number of teeth, module, helix
angle, profile shift, clearance, measuring-pin diameter, shaft or hub - and
gets its geometry, the span measurement W over k teeth and the measurement
over or between pins M, on screen and as a report. The windows speak
Simplified Chinese.

Three programs share one calculation engine:
 * quillon, the tolerance edition, also takes a tolerance grade and
   deviation series, looks up the DIN 5480-1 tolerances and writes the
   upper and lower limits of W and M into a text report;
 * quillon-lite, the lite edition, has no tolerances, shows the profile
   shift x*m, writes a text report and prints;
 * quillon-cli gives the same calculation to scripts and batches without a
   display (text, JSON and CSV), with the strength check of the connection
   and the data table for the drawing.
Reports are written in GBK with CR LF line ends.]=])
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
if(WIN32)
    include(QuillonWindowsPackaging)
    include(CPack)
    return()
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX ${QUILLON_PACKAGE_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILLON_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QUILLON_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; these are loaded at run time: the
# window system plug-ins, the Chinese dialog texts and the fonts the windows and reports use.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-arphic-uming | fonts-wqy-zenhei, fonts-liberation, fonts-dejavu-core")
include(CPack)
