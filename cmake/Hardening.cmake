# The hardening Debian builds its packages with (dpkg-buildflags, hardening=+all), for the
# optimised configurations: fortified C library calls, stack protector and stack clash checks,
# control-flow protection, a read-only relocation table resolved at start (BIND_NOW), and a
# position-independent executable. Debug builds stay plain: fortification needs optimisation.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

if(NOT LUNAVIK_HARDENING OR LUNAVIK_SANITIZE OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    return()
endif()
# On Windows: address randomisation over the whole 64-bit space and no-execute data, which
# binutils 2.36 and later set by default, asked for all the same so an older linker cannot drop
# them; fortification and the stack protector would need libssp shipped beside the program.
if(WIN32)
    add_link_options(LINKER:--dynamicbase,--high-entropy-va,--nxcompat)
    return()
endif()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported(LANGUAGES CXX)

set(_optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
set(_flags -fstack-protector-strong)
foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "HAVE${flag}" var)
    check_cxx_compiler_flag(${flag} ${var})
    if(${var})
        list(APPEND _flags ${flag})
    endif()
endforeach()
# Undefined first: some compilers already set a level of their own.
add_compile_options("$<${_optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2;${_flags}>")
add_link_options("$<${_optimised}:LINKER:-z,relro,-z,now>")
unset(_flags)
unset(_optimised)
