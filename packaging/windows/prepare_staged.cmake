# Run by CPack for each package after it has installed the files: strips every executable and
# library there (CPack strips only the program's own target; Qt's libraries and the compiler's
# runtime come with their symbol tables, more than half of the package), then signs the
# executable, so the installer, the zip and the MSI all carry the same files.
file(GLOB_RECURSE binaries ${CPACK_TEMPORARY_DIRECTORY}/*.exe ${CPACK_TEMPORARY_DIRECTORY}/*.dll)
execute_process(COMMAND ${CPACK_LUNAVIK_STRIP} --strip-all ${binaries} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CPACK_LUNAVIK_SIGN} ${CPACK_TEMPORARY_DIRECTORY}/Lunavik.exe
                COMMAND_ERROR_IS_FATAL ANY)
