# Run by CPack for each package after it has installed the files: strips every executable and
# library there (CPack strips only the program's own target; Qt's libraries and the compiler's
# runtime come with their symbol tables, more than half of the package), then signs each. A
# file is signed once for all three packages: its signed copy is kept under the stripped file's
# and the certificate's hashes, so the installer, the zip and the MSI carry the same bytes.
file(GLOB_RECURSE binaries ${CPACK_TEMPORARY_DIRECTORY}/*.exe ${CPACK_TEMPORARY_DIRECTORY}/*.dll)
execute_process(COMMAND ${CPACK_LUNAVIK_STRIP} --strip-all ${binaries} COMMAND_ERROR_IS_FATAL ANY)
if(NOT DEFINED ENV{LUNAVIK_SIGN_CERT} OR "$ENV{LUNAVIK_SIGN_CERT}" STREQUAL "")
    return() # sign.sh would change nothing
endif()
file(SHA256 $ENV{LUNAVIK_SIGN_CERT} certificate)
set(signed ${CPACK_PACKAGE_DIRECTORY}/signed)
file(MAKE_DIRECTORY ${signed})
foreach(binary IN LISTS binaries)
    file(SHA256 ${binary} hash)
    set(copy ${signed}/${certificate}-${hash})
    if(NOT EXISTS ${copy})
        execute_process(COMMAND ${CPACK_LUNAVIK_SIGN} ${binary} COMMAND_ERROR_IS_FATAL ANY)
        file(COPY_FILE ${binary} ${copy}.part)
        file(RENAME ${copy}.part ${copy})
    endif()
    file(COPY_FILE ${copy} ${binary})
endforeach()
