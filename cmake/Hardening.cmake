# The protections Debian builds every program with (dpkg-buildflags on Debian 12),
# on by default for every target of the project:
#  - a stack protector for functions with arrays or address-taken locals;
#  - _FORTIFY_SOURCE=2, checked string and memory calls, in optimised builds
#    without the sanitizers (the checks need the optimiser's object sizes, and
#    the sanitizers replace the same functions with their own);
#  - format strings checked, non-literal ones without arguments refused;
#  - control-flow protection (CET) and stack clash probes;
#  - a position-independent executable (address randomisation of our own code),
#    static archives linked into it;
#  - relocations read-only after start-up, every symbol bound before main
#    (full RELRO), so no writable jump table is left to overwrite.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

set(KBC_HARDENING_FLAGS -fstack-protector-strong -Wformat -Werror=format-security -fstack-clash-protection
  -fcf-protection=full)
foreach(flag IN LISTS KBC_HARDENING_FLAGS)
  string(MAKE_C_IDENTIFIER "KBC_HAS${flag}" has_flag)
  check_cxx_compiler_flag(${flag} ${has_flag})
  if(${has_flag})
    add_compile_options(${flag})
  endif()
endforeach()

if(NOT KBC_SANITIZE)
  # Undefined first: some compilers predefine another level.
  add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()

check_pie_supported(OUTPUT_VARIABLE kbc_pie_output LANGUAGES C CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
  message(FATAL_ERROR "The linker cannot make a position-independent executable: ${kbc_pie_output}")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_link_options(LINKER:-z,relro LINKER:-z,now)

# What position independence costs a run is mostly the loader's pass over
# thousands of relative relocations. Packed (DT_RELR, glibc 2.36 and later)
# their table shrinks from some 100 KiB, read page by page at start-up, to a
# few KiB.
include(CheckLinkerFlag)
check_linker_flag(CXX LINKER:-z,pack-relative-relocs KBC_HAS_PACKED_RELOCATIONS)
if(KBC_HAS_PACKED_RELOCATIONS)
  add_link_options(LINKER:-z,pack-relative-relocs)
endif()
