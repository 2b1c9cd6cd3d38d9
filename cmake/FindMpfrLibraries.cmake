# MPFR and the GMP it is built on, for the correctly rounded functions of the
# engine. ORVANE_MPFR_PREFIX names a folder with include/mpfr.h, lib/libmpfr.a
# and lib/libgmp.a built for the target (the browser build makes one); it is
# searched first and alone, even under a cross-compiling toolchain that would
# otherwise re-root every search into its own sysroot. Without it the
# system's libraries are used (Debian: libmpfr-dev).
set(ORVANE_MPFR_PREFIX "" CACHE PATH "Folder holding MPFR and GMP built for the target")

# What was found for another prefix is not what this one holds.
if(NOT "${ORVANE_MPFR_PREFIX}" STREQUAL "${ORVANE_MPFR_PREFIX_SEARCHED}")
    unset(MPFR_INCLUDE_DIR CACHE)
    unset(MPFR_LIBRARY CACHE)
    unset(GMP_LIBRARY CACHE)
endif()
set(ORVANE_MPFR_PREFIX_SEARCHED "${ORVANE_MPFR_PREFIX}" CACHE INTERNAL "")

if(ORVANE_MPFR_PREFIX)
    set(mpfr_search HINTS "${ORVANE_MPFR_PREFIX}" NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    set(mpfr_names libmpfr.a)
    set(gmp_names libgmp.a)
else()
    set(mpfr_search)
    set(mpfr_names mpfr)
    set(gmp_names gmp)
endif()
find_path(MPFR_INCLUDE_DIR mpfr.h PATH_SUFFIXES include ${mpfr_search})
find_library(MPFR_LIBRARY NAMES ${mpfr_names} PATH_SUFFIXES lib ${mpfr_search})
find_library(GMP_LIBRARY NAMES ${gmp_names} PATH_SUFFIXES lib ${mpfr_search})
if(NOT MPFR_INCLUDE_DIR OR NOT MPFR_LIBRARY OR NOT GMP_LIBRARY)
    message(FATAL_ERROR "MPFR or GMP not found (mpfr.h: ${MPFR_INCLUDE_DIR}, "
                        "libmpfr: ${MPFR_LIBRARY}, libgmp: ${GMP_LIBRARY}): "
                        "apt-get install libmpfr-dev, or set ORVANE_MPFR_PREFIX")
endif()
message(STATUS "MPFR: ${MPFR_LIBRARY}, GMP: ${GMP_LIBRARY}")
