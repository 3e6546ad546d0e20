# Run by CPack for each package after it has installed and stripped the files: signs the
# executable there, so the installer, the zip and the MSI all carry the signed one.
execute_process(COMMAND ${CPACK_LUNAVIK_SIGN} ${CPACK_TEMPORARY_DIRECTORY}/Lunavik.exe
                COMMAND_ERROR_IS_FATAL ANY)
