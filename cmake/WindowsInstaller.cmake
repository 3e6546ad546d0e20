# The Windows installer (NSIS) and a portable zip of the same files.
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Lunavik")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Lunavik")
# The installer's licence page; without one CPack would show CMake's own licence.
string(SUBSTRING "${LUNAVIK_RELEASE_DATE}" 0 4 _year)
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_BINARY_DIR}/documents/license.txt")
file(WRITE ${CPACK_RESOURCE_FILE_LICENSE}
     "Copyright ${_year} ${CPACK_PACKAGE_VENDOR}\n\n"
     "Lunavik is proprietary software of ${CPACK_PACKAGE_VENDOR}. All rights reserved.\n")
unset(_year)
# The Start-menu entry: the executable's own icon, the program's name.
set(CPACK_PACKAGE_EXECUTABLES "Lunavik" "Lunavik")
set(CPACK_NSIS_DISPLAY_NAME "Lunavik ${PROJECT_VERSION}")
set(CPACK_NSIS_PACKAGE_NAME "Lunavik ${PROJECT_VERSION}")
set(CPACK_NSIS_PUBLISHER "${CPACK_PACKAGE_VENDOR}")
set(CPACK_NSIS_URL_INFO_ABOUT "${CPACK_PACKAGE_HOMEPAGE_URL}")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/lunavik.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/lunavik.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\\\Lunavik.exe")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY "bin")
# Each generator names its file: lunavik-1.70-setup.exe and lunavik-1.70-windows-x64.zip.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_BINARY_DIR}/cpack_generator_names.cmake")
file(WRITE ${CPACK_PROJECT_CONFIG_FILE}
     "if(CPACK_GENERATOR STREQUAL \"NSIS\")\n"
     "    set(CPACK_PACKAGE_FILE_NAME \"lunavik-${PROJECT_VERSION}-setup\")\n"
     "else()\n"
     "    set(CPACK_PACKAGE_FILE_NAME \"lunavik-${PROJECT_VERSION}-windows-x64\")\n"
     "endif()\n")
