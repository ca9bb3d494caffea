# A Debian package of the program: cpack -G DEB in the build tree.
set(CPACK_PACKAGE_NAME triangle-area)
set(CPACK_PACKAGE_VENDOR "Triangle Area developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "area of a triangle from its three sides")
set(CPACK_PACKAGE_DESCRIPTION
    "A one-window calculator: type the three side lengths of a triangle and\n"
    "it shows the area by Heron's formula, or says that no such triangle exists.\n"
    "The interface is in Russian.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "Triangle Area developers <maintainers@users.noreply.c-seed-892b06f2.example>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
if(CMAKE_CROSSCOMPILING)
  # CPack would name this machine's architecture, not the one built for.
  execute_process(COMMAND dpkg-architecture -t ${CMAKE_LIBRARY_ARCHITECTURE} -q DEB_HOST_ARCH
                  OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Cyrillic glyphs for every text of the window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# A Wayland desktop runs it natively with Qt's Wayland plugin, X11 without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
