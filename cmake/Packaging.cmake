# The binary package. Included from the top level after the targets and their install rules
# exist (the executable's own rule lives next to it in src/app, the documents' in
# Documents.cmake).

set(CPACK_PACKAGE_NAME "lunavik")
set(CPACK_PACKAGE_VENDOR "${LUNAVIK_MAKER}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Find your inner dreams number from your full name")
# Lines kept short: package tools show the description as it stands.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Lunavik computes your inner dreams number. Type a first, middle and last\n"
    "name, pick a date of birth and press Next: the consonants of the name are\n"
    "added up, reduced to one digit, and the number is shown with what it says\n"
    "about your inner desires.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${LUNAVIK_SITE_BASE}/lunavik/")
set(CPACK_PACKAGE_CONTACT "${LUNAVIK_MAINTAINER}")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsInstaller.cmake)
    include(CPack)
    return()
endif()
set(CPACK_GENERATOR "DEB")

set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Files root:root 0644/0755 and control files as dpkg-deb makes them, whatever the umask of
# the build.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the executable links (the Qt runtime among them) are worked out by
# dpkg-shlibdeps and added to these.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the windows need beyond the libraries: the X11 platform plugin (Qt's GUI library only
# recommends it) and the fonts the layouts are measured with; the older Liberation package
# has the same metrics.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2 | fonts-liberation")
# The Wayland plugin, for running as a native client of a Wayland desktop; DejaVu Sans, the
# fallback of the window fonts; Qt's own catalogues, so the standard buttons of the message
# boxes speak the language of the windows.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-dejavu-core, qt6-translations-l10n")

include(CPack)
