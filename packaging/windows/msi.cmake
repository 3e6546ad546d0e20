# CPack's External generator runs this with the files staged in CPACK_TEMPORARY_DIRECTORY: it
# writes the MSI with wixl from lunavik.wxs and a list of the staged files, and signs it.
set(stage ${CPACK_TEMPORARY_DIRECTORY})
set(work ${CPACK_TOPLEVEL_DIRECTORY})
set(msi ${work}/${CPACK_PACKAGE_FILE_NAME}.msi)

# Every staged file but the executable, which lunavik.wxs holds with its shortcut.
file(GLOB_RECURSE files RELATIVE ${stage} ${stage}/*)
list(REMOVE_ITEM files Lunavik.exe)
list(SORT files)
list(JOIN files "\n" listing)
file(WRITE ${work}/files.txt "${listing}\n")
execute_process(COMMAND wixl-heat --prefix "" --directory-ref INSTALLDIR
                        --component-group Runtime --var var.SourceDir --win64
                INPUT_FILE ${work}/files.txt OUTPUT_FILE ${work}/runtime.wxs
                COMMAND_ERROR_IS_FATAL ANY)
# wixl reads source files by paths relative to where it runs.
file(COPY ${CPACK_LUNAVIK_WXS} ${CPACK_NSIS_MUI_ICON} DESTINATION ${work})
get_filename_component(wxs ${CPACK_LUNAVIK_WXS} NAME)
get_filename_component(icon ${CPACK_NSIS_MUI_ICON} NAME)
file(RELATIVE_PATH source ${work} ${stage})
execute_process(COMMAND wixl -a x64 -D Win64=yes -D Version=${CPACK_PACKAGE_VERSION}
                        "-D" "Maker=${CPACK_PACKAGE_VENDOR}" -D Site=${CPACK_NSIS_URL_INFO_ABOUT}
                        -D Icon=${icon} -D SourceDir=${source} -o ${msi} ${wxs} runtime.wxs
                WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CPACK_LUNAVIK_SIGN} ${msi} COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
