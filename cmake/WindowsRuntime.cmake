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

# Windows programs keep their executable in the install folder itself, with the libraries it
# loads beside it; GNUInstallDirs, included later, keeps this value.
set(CMAKE_INSTALL_BINDIR .)

# What the program needs beside it, installed into its folder so the installer, the zip and the
# MSI carry it: Qt's libraries, the platform plugin and the style, Qt's catalogues for the
# languages the program speaks (catalogues: its own .ts files), the MinGW runtime, and the
# notices of all of these (packaging/windows/notices.py).
function(lunavik_install_windows_runtime catalogues)
    set(shipped "") # NAME=SOURCE, for the notices
    foreach(module Core Gui Widgets)
        install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
        list(APPEND shipped "Qt6${module}.dll=$<TARGET_FILE:Qt6::${module}>")
    endforeach()
    foreach(plugin platforms/QWindowsIntegrationPlugin styles/QWindowsVistaStylePlugin)
        get_filename_component(folder ${plugin} DIRECTORY)
        get_filename_component(target ${plugin} NAME)
        install(FILES $<TARGET_FILE:Qt6::${target}> DESTINATION ${folder})
        list(APPEND shipped
             "${folder}/$<TARGET_FILE_NAME:Qt6::${target}>=$<TARGET_FILE:Qt6::${target}>")
    endforeach()
    install(FILES ${LUNAVIK_MINGW_RUNTIME} DESTINATION .)
    foreach(dll IN LISTS LUNAVIK_MINGW_RUNTIME)
        get_filename_component(name ${dll} NAME)
        list(APPEND shipped "${name}=${dll}")
    endforeach()
    # Qt's own catalogues (scripts/windows_qt.sh puts Debian's beside the Windows Qt).
    set(qt_catalogues ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS})
    foreach(catalogue IN LISTS catalogues)
        get_filename_component(language ${catalogue} NAME_WE)
        string(REPLACE "lunavik_" "" language ${language})
        if(NOT EXISTS ${qt_catalogues}/qtbase_${language}.qm)
            message(FATAL_ERROR "qtbase_${language}.qm not found in ${qt_catalogues}")
        endif()
        install(FILES ${qt_catalogues}/qtbase_${language}.qm DESTINATION translations)
        set(qm qtbase_${language}.qm)
        list(APPEND shipped "translations/${qm}=${qt_catalogues}/${qm}")
    endforeach()
    # Without it Qt would look for its catalogues where it was built.
    file(WRITE ${CMAKE_BINARY_DIR}/qt.conf
         "[Paths]\nPrefix = .\nPlugins = .\nTranslations = translations\n")
    install(FILES ${CMAKE_BINARY_DIR}/qt.conf DESTINATION .)

    # The notices come from the Qt build's attribution files and configuration and from
    # Debian's copyright files; a Qt without them cannot be shipped.
    if(NOT EXISTS ${QT6_INSTALL_PREFIX}/attributions OR
       NOT EXISTS ${QT6_INSTALL_PREFIX}/source-version.txt)
        message(FATAL_ERROR "${QT6_INSTALL_PREFIX} has no attributions/ or source-version.txt "
                            "for the notices: build Qt with scripts/windows_qt.sh")
    endif()
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} --version OUTPUT_VARIABLE compiler)
    string(REGEX REPLACE "\n.*" "" compiler "${compiler}")
    set(notices ${CMAKE_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
    set(script ${PROJECT_SOURCE_DIR}/packaging/windows/notices.py)
    add_custom_command(OUTPUT ${notices}
        COMMAND python3 ${script} ${notices} ${QT6_INSTALL_PREFIX} ${Qt6_VERSION} "${compiler}"
                ${shipped}
        DEPENDS ${script} ${QT6_INSTALL_PREFIX}/source-version.txt
        COMMENT "Writing THIRD-PARTY-NOTICES.txt" VERBATIM)
    add_custom_target(lunavik_notices ALL DEPENDS ${notices})
    install(FILES ${notices} DESTINATION .)
endfunction()
