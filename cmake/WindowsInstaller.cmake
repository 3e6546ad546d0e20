# The Windows packages, from the same installed files (Lunavik.exe in the folder itself, the
# runtime and THIRD-PARTY-NOTICES.txt beside it):
#  - lunavik-<version>-x64-setup.exe, the installer for people (NSIS, from the project's own
#    template packaging/windows/NSIS.template.in);
#  - lunavik-<version>-windows-x64.zip, to run from a folder;
#  - lunavik-<version>-x64.msi, for administrators' deployment tools (wixl, from
#    packaging/windows/lunavik.wxs, through CPack's External generator).
# With a certificate given (packaging/windows/sign.sh), the executable, the installer, its
# uninstaller and the MSI are signed as they are made.
set(CPACK_GENERATOR "NSIS;ZIP;External")
set(LUNAVIK_WINDOWS_PACKAGING ${PROJECT_SOURCE_DIR}/packaging/windows)
list(APPEND CMAKE_MODULE_PATH ${LUNAVIK_WINDOWS_PACKAGING}) # CPack finds NSIS.template.in there
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Lunavik")

# The installer's licence page: the program's licence, then where the others are.
string(SUBSTRING "${LUNAVIK_RELEASE_DATE}" 0 4 _year)
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_BINARY_DIR}/documents/license.txt")
file(WRITE ${CPACK_RESOURCE_FILE_LICENSE}
     "Copyright ${_year} ${CPACK_PACKAGE_VENDOR}\n\n"
     "Lunavik is proprietary software of ${CPACK_PACKAGE_VENDOR}. All rights reserved.\n\n"
     "Lunavik comes with Qt and the runtime libraries of its compiler, which are not "
     "Lunavik's own: they are given under their own licences (the GNU LGPL version 3 for Qt, "
     "among others). THIRD-PARTY-NOTICES.txt, installed beside Lunavik.exe, lists each of "
     "these files with its licence, the full text of every licence and where the source "
     "is.\n")
unset(_year)

set(CPACK_NSIS_URL_INFO_ABOUT "${CPACK_PACKAGE_HOMEPAGE_URL}")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/lunavik.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/lunavik.ico")

# The installer speaks the program's languages (LUNAVIK_LOCALES): NSIS's name for each and the
# one line of its own. A language the program speaks and this table lacks stops the build.
set(lunavik_nsis_en_US English "Lunavik is running. Close it, then choose Retry.")
set(lunavik_nsis_de_DE German
    "Lunavik wird ausgeführt. Schließen Sie Lunavik und wählen Sie dann „Wiederholen“.")
set(lunavik_nsis_fr_FR French
    "Lunavik est en cours d’exécution. Fermez-le, puis choisissez « Recommencer ».")
set(lunavik_nsis_es_ES Spanish "Lunavik se está ejecutando. Ciérrelo y elija Reintentar.")
set(lunavik_nsis_it_IT Italian "Lunavik è in esecuzione. Chiuderlo, quindi scegliere Riprova.")
set(lunavik_nsis_pt_BR PortugueseBR "O Lunavik está em execução. Feche-o e escolha Repetir.")
set(CPACK_LUNAVIK_NSIS_LANGUAGES ${CMAKE_BINARY_DIR}/nsis_languages.nsh)
set(_languages "")
set(_strings "")
foreach(_locale IN LISTS LUNAVIK_LOCALES)
    if(NOT DEFINED lunavik_nsis_${_locale})
        message(FATAL_ERROR "The installer lacks ${_locale}, which Lunavik speaks: add "
                            "lunavik_nsis_${_locale} to ${CMAKE_CURRENT_LIST_FILE}")
    endif()
    list(GET lunavik_nsis_${_locale} 0 _name)
    list(GET lunavik_nsis_${_locale} 1 _running)
    string(TOUPPER "${_name}" _upper)
    string(APPEND _languages "!insertmacro MUI_LANGUAGE \"${_name}\"\n")
    string(APPEND _strings "LangString Running \${LANG_${_upper}} \"${_running}\"\n")
endforeach()
file(WRITE ${CPACK_LUNAVIK_NSIS_LANGUAGES} "${_languages}\n${_strings}")
unset(_languages)
unset(_strings)

# The MSI: CPack stages the files, packaging/windows/msi.cmake makes the package.
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${LUNAVIK_WINDOWS_PACKAGING}/msi.cmake)
set(CPACK_LUNAVIK_WXS ${LUNAVIK_WINDOWS_PACKAGING}/lunavik.wxs)

# Stripping and signing: the staged files before each package is made; the installer, its
# uninstaller and the MSI as they are written.
set(CPACK_LUNAVIK_STRIP ${CMAKE_STRIP})
set(CPACK_LUNAVIK_SIGN ${LUNAVIK_WINDOWS_PACKAGING}/sign.sh)
set(CPACK_PRE_BUILD_SCRIPTS ${LUNAVIK_WINDOWS_PACKAGING}/prepare_staged.cmake)

# Each generator names its file: lunavik-1.70-x64-setup.exe, lunavik-1.70-windows-x64.zip and
# lunavik-1.70-x64.msi.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_BINARY_DIR}/cpack_generator_names.cmake")
file(WRITE ${CPACK_PROJECT_CONFIG_FILE}
     "if(CPACK_GENERATOR STREQUAL \"NSIS\")\n"
     "    set(CPACK_PACKAGE_FILE_NAME \"lunavik-${PROJECT_VERSION}-x64-setup\")\n"
     "elseif(CPACK_GENERATOR STREQUAL \"External\")\n"
     "    set(CPACK_PACKAGE_FILE_NAME \"lunavik-${PROJECT_VERSION}-x64\")\n"
     "else()\n"
     "    set(CPACK_PACKAGE_FILE_NAME \"lunavik-${PROJECT_VERSION}-windows-x64\")\n"
     "endif()\n")
