# The Windows program's runtime, found once for the install rules and the tests under Wine.
# Included from the top level after Qt is found.

# The C++ runtime of the cross compiler, found where the compiler keeps it.
set(LUNAVIK_MINGW_RUNTIME "")
foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "${dll} of the MinGW runtime not found")
    endif()
    list(APPEND LUNAVIK_MINGW_RUNTIME ${path})
endforeach()

# Tests built for Windows run under Wine, which finds Qt's libraries and the compiler's runtime
# through WINEPATH (Z: is the root folder); Qt finds its plugins beside its libraries.
get_target_property(path Qt6::Core IMPORTED_LOCATION_RELEASE)
set(wine_path "")
foreach(file IN LISTS path LUNAVIK_MINGW_RUNTIME)
    get_filename_component(folder ${file} REALPATH)
    get_filename_component(folder ${folder} DIRECTORY)
    list(APPEND wine_path "Z:${folder}")
endforeach()
list(REMOVE_DUPLICATES wine_path)
# The same for bench/startup.sh --windows.
list(JOIN wine_path ";" wine_path_text)
file(WRITE ${CMAKE_BINARY_DIR}/wine-path.txt "${wine_path_text}")
list(JOIN wine_path "\\;" wine_path) # one item of CTest's environment list
set(LUNAVIK_WINE_ENVIRONMENT "WINEPATH=${wine_path};WINEDEBUG=-all")
unset(wine_path)
unset(path)

# What the program needs beside it, installed into its folder so the installer and the zip carry
# it: Qt's libraries, the platform plugin and the style, Qt's catalogues for the languages the
# program speaks (catalogues: its own .ts files), and the MinGW runtime.
function(lunavik_install_windows_runtime catalogues)
    set(bin ${CMAKE_INSTALL_BINDIR})
    foreach(module Core Gui Widgets)
        install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION ${bin})
    endforeach()
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION ${bin}/platforms)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION ${bin}/styles)
    install(FILES ${LUNAVIK_MINGW_RUNTIME} DESTINATION ${bin})
    # Qt's own catalogues (scripts/windows_qt.sh puts Debian's beside the Windows Qt).
    set(qt_catalogues ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS})
    foreach(catalogue IN LISTS catalogues)
        get_filename_component(language ${catalogue} NAME_WE)
        string(REPLACE "lunavik_" "" language ${language})
        if(NOT EXISTS ${qt_catalogues}/qtbase_${language}.qm)
            message(FATAL_ERROR "qtbase_${language}.qm not found in ${qt_catalogues}")
        endif()
        install(FILES ${qt_catalogues}/qtbase_${language}.qm DESTINATION ${bin}/translations)
    endforeach()
    # Without it Qt would look for its catalogues where it was built.
    file(WRITE ${CMAKE_BINARY_DIR}/qt.conf
         "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n")
    install(FILES ${CMAKE_BINARY_DIR}/qt.conf DESTINATION ${bin})
endfunction()
