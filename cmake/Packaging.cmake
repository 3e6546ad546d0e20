# Desktop integration files and the binary package. Included from the top level after the
# targets exist; the executable's own install rule lives next to it in src/app.

set(LUNAVIK_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
# The AppStream component id; its metadata file must be installed under this name.
set(LUNAVIK_APPSTREAM_ID "example.orvaneth.Lunavik")

if(UNIX AND NOT APPLE)
    # The freedesktop places: menus find the .desktop entry, the icon theme the PNGs by size,
    # software centres the AppStream metadata.
    install(FILES ${LUNAVIK_RESOURCES}/lunavik.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${LUNAVIK_RESOURCES}/lunavik.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
            RENAME ${LUNAVIK_APPSTREAM_ID}.metainfo.xml)
    foreach(size 32 48 64 128 256)
        install(FILES ${LUNAVIK_RESOURCES}/icons/${size}/lunavik.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()

set(CPACK_PACKAGE_NAME "lunavik")
set(CPACK_PACKAGE_VENDOR "Orvaneth Softwares")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Find your inner dreams number from your full name")
# Lines kept short: package tools show the description as it stands.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Lunavik computes your inner dreams number. Type a first, middle and last\n"
    "name, pick a date of birth and press Next: the consonants of the name are\n"
    "added up, reduced to one digit, and the number is shown with what it says\n"
    "about your inner desires.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${LUNAVIK_SITE_BASE}/lunavik/")
set(CPACK_PACKAGE_CONTACT "Orvaneth Softwares <support@orvaneth.example>")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    set(CPACK_GENERATOR "ZIP")
else()
    set(CPACK_GENERATOR "DEB")
endif()

set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Depends is worked out from the libraries the executable links (the Qt runtime among them).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window fonts fall back to these when the designed ones are missing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-dejavu-core")

include(CPack)
