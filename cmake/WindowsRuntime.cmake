# What the Windows program needs beside it, installed into the same folder so the installer and
# the zip carry it: Qt's libraries, the platform plugin and the styles, Qt's catalogues for the
# languages the program speaks, and the MinGW runtime the compiler links against.

set(_bin ${CMAKE_INSTALL_BINDIR})
foreach(module Core Gui Widgets)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION ${_bin})
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION ${_bin}/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION ${_bin}/styles)

# Qt's own catalogues are the same files on every system; Debian's copies serve.
set(_qt_catalogues /usr/share/qt6/translations)
foreach(catalogue IN LISTS LUNAVIK_CATALOGUES)
    get_filename_component(language ${catalogue} NAME_WE)
    string(REPLACE "lunavik_" "" language ${language})
    if(EXISTS ${_qt_catalogues}/qtbase_${language}.qm)
        install(FILES ${_qt_catalogues}/qtbase_${language}.qm DESTINATION ${_bin}/translations)
    else()
        message(WARNING "qtbase_${language}.qm not found (qt6-translations-l10n)")
    endif()
endforeach()
# Without it Qt would look for its catalogues where it was built.
file(WRITE ${CMAKE_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n")
install(FILES ${CMAKE_BINARY_DIR}/qt.conf DESTINATION ${_bin})

# The C++ runtime of the cross compiler, found where the compiler keeps it.
foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE _path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS "${_path}")
        message(FATAL_ERROR "${dll} of the MinGW runtime not found")
    endif()
    install(FILES ${_path} DESTINATION ${_bin})
    unset(_path)
endforeach()
unset(_bin)
unset(_qt_catalogues)
