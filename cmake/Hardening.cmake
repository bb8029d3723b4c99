# The hardening Debian builds its own packages with (dpkg-buildflags with hardening=+all): a
# protected stack, checked buffer functions, a position-independent program, and relocations
# resolved at start and then made read-only. Flags a compiler lacks are left out.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "HAVE${flag}" have)
    check_cxx_compiler_flag(${flag} ${have})
    if(${have})
        add_compile_options(${flag})
    endif()
endforeach()
# The checks need the optimiser; without it, the compiler warns and checks nothing.
add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)

check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_link_options(LINKER:-z,relro LINKER:-z,now)
