# `make package` (or `cpack -G DEB` in the build directory): a Debian package
# of the program and its desktop integration. The libraries the binary links
# are found by dpkg-shlibdeps; what it loads at run time is listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR "The Orvane developers")
set(CPACK_PACKAGE_CONTACT "The Orvane developers <bugs@orvane.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator built around formula entry")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvane lets you type a whole arithmetic expression on a keypad of picture\n"
    "buttons or on the keyboard and evaluates it as a whole, honouring precedence\n"
    "and parentheses. It knows pi, two memories, powers and roots and nine\n"
    "trigonometric functions in degrees. The interface text is Japanese.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://orvane.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Wayland platform plugin (X11's comes with libqt6gui6), the Japanese
# Gothic face the window is drawn in (the keys' glyphs are drawn from outlines
# built into the program); dpkg-shlibdeps adds libqt6widgets6, libqt6gui6,
# libqt6core6, libmpfr6 (the correctly rounded functions, which brings
# libgmp10), libfontconfig1 (the window hands fontconfig its own configuration)
# and the C++ runtime.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-wayland, fonts-ipafont-gothic")

include(CPack)
