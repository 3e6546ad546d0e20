# The files that describe the program to a desktop, a software centre and a packager, made from
# templates in resources/ so that the version, the release date and the site base are written
# once, in the top-level CMakeLists.txt.

set(LUNAVIK_RESOURCES ${PROJECT_SOURCE_DIR}/resources)
set(LUNAVIK_DOCUMENTS ${CMAKE_BINARY_DIR}/documents)
# The AppStream component id; its metadata file must be installed under this name.
set(LUNAVIK_APPSTREAM_ID "example.orvaneth.lunavik")
set(LUNAVIK_MAINTAINER "Orvaneth Softwares <support@orvaneth.example>")

configure_file(${LUNAVIK_RESOURCES}/lunavik.metainfo.xml.in
               ${LUNAVIK_DOCUMENTS}/${LUNAVIK_APPSTREAM_ID}.metainfo.xml @ONLY)

# The rest is for the freedesktop and Debian places.
if(NOT UNIX OR APPLE)
    return()
endif()

string(SUBSTRING "${LUNAVIK_RELEASE_DATE}" 0 4 LUNAVIK_RELEASE_YEAR)
# The changelog dates its entry the way Debian's tools do (RFC 2822).
execute_process(COMMAND date -u -R -d "${LUNAVIK_RELEASE_DATE} 12:00:00"
                OUTPUT_VARIABLE LUNAVIK_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

if(LUNAVIK_UPDATE_REMINDER)
    string(CONCAT LUNAVIK_MAN_UPDATE_REMINDER
        "Every fifteen days or more, at start\\-up, Lunavik asks whether to look for a newer\n"
        "version; Yes opens the download page of the maker's web site.\n"
        "The date of the last reminder is kept in the settings file.\n"
        ".PP\n"
        "A build made with the CMake option\n"
        ".B LUNAVIK_UPDATE_REMINDER=OFF\n"
        "leaves the reminder out, as distributions that deliver updates themselves do.")
else()
    string(CONCAT LUNAVIK_MAN_UPDATE_REMINDER
        "This build was made with the CMake option\n"
        ".BR LUNAVIK_UPDATE_REMINDER=OFF :\n"
        "it never asks whether to look for a newer version and never writes the settings\n"
        "file; updates come with the system's packages.")
endif()

configure_file(${LUNAVIK_RESOURCES}/lunavik.1.in ${LUNAVIK_DOCUMENTS}/lunavik.1 @ONLY)
configure_file(${LUNAVIK_RESOURCES}/changelog.in ${LUNAVIK_DOCUMENTS}/changelog @ONLY)
configure_file(${LUNAVIK_RESOURCES}/copyright.in ${LUNAVIK_DOCUMENTS}/copyright @ONLY)

# Compressed as Debian wants them: best compression, no name or time stamp in the header.
set(_compressed)
foreach(file lunavik.1 changelog)
    add_custom_command(OUTPUT ${LUNAVIK_DOCUMENTS}/${file}.gz
                       COMMAND gzip -9 -n -k -f ${LUNAVIK_DOCUMENTS}/${file}
                       DEPENDS ${LUNAVIK_DOCUMENTS}/${file} VERBATIM)
    list(APPEND _compressed ${LUNAVIK_DOCUMENTS}/${file}.gz)
endforeach()
add_custom_target(lunavik_documents ALL DEPENDS ${_compressed})
# Built with the program, so an install after building only the program finds them.
add_dependencies(lunavik lunavik_documents)

# The freedesktop places: menus find the .desktop entry, the icon theme the icons by size,
# software centres the AppStream metadata.
install(FILES ${LUNAVIK_RESOURCES}/lunavik.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${LUNAVIK_DOCUMENTS}/${LUNAVIK_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${LUNAVIK_RESOURCES}/icons/${size}/lunavik.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${LUNAVIK_RESOURCES}/icons/scalable/lunavik.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${LUNAVIK_DOCUMENTS}/lunavik.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${LUNAVIK_DOCUMENTS}/changelog.gz ${LUNAVIK_DOCUMENTS}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lunavik)
