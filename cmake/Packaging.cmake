# SPDX-License-Identifier: MIT
# "cpack -G DEB" in the build folder: a Debian package of the install rules, under /usr.
set(CPACK_PACKAGE_NAME varnholt)
set(CPACK_PACKAGE_VENDOR Kestle)
set(CPACK_PACKAGE_CONTACT "Kestle <support@kestle.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kestle.example/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Countdown screen saver")
set(CPACK_PACKAGE_DESCRIPTION
    "Shows the time left to a date of your choice, with your own texts and an
optional picture travelling across the screen. Runs full screen, as an
XScreenSaver module or from an idle daemon; varnholt-countdown prints the
countdown for status bars.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded at run time, so it cannot see them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Help and read-me open through xdg-open; Wayland sessions need Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver")

include(CPack)
