# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Build rules shared by every target of the project's own code.
include(CheckCXXSourceCompiles)

# The calculation runs in the extended format: on x86-64 in the x87 unit's own long double
# (the default there, and the fastest), everywhere else through GNU MPFR at the same precision
# and range. On x86-64 VARNELO_PORTABLE_EXTENDED=ON selects the portable one too.
set(varnelo_x87 OFF)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$")
  set(CMAKE_REQUIRED_FLAGS "-std=c++20")
  check_cxx_source_compiles([=[
    #include <limits>
    static_assert(std::numeric_limits<long double>::digits == 64);
    int main() { return 0; }
  ]=] VARNELO_LONG_DOUBLE_IS_EXTENDED)
  unset(CMAKE_REQUIRED_FLAGS)
  set(varnelo_x87 ${VARNELO_LONG_DOUBLE_IS_EXTENDED})
endif()
option(VARNELO_PORTABLE_EXTENDED "Compute through GNU MPFR instead of the x87 unit" OFF)
if(NOT varnelo_x87 AND NOT VARNELO_PORTABLE_EXTENDED)
  message(STATUS "No x87 extended format on ${CMAKE_SYSTEM_PROCESSOR}: the portable arithmetic")
  set(VARNELO_PORTABLE_EXTENDED ON CACHE BOOL "Compute through GNU MPFR instead of the x87 unit"
      FORCE)
endif()
# The x86-64 build also makes the portable core beside the x87 one, so that tests and the grid
# compare them on one machine.
set(VARNELO_BOTH_PATHS ${varnelo_x87})

# Warnings as errors only where asked: the project's own scripts and CI turn this on, while a
# user's or a distribution's build must not fail for a warning a newer compiler or Qt adds.
option(VARNELO_WERROR "Treat the project's own warnings as errors" OFF)

# Strict warnings, and arithmetic exactly as written: no fast-math, no fused multiply-add
# contraction, no reassociation.
function(varnelo_strict target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic $<$<BOOL:${VARNELO_WERROR}>:-Werror>
    -ffp-contract=off -fno-fast-math -fno-unsafe-math-optimizations -ftrapping-math)
  # No Qt call deprecated by the oldest Qt the program supports (6.4); a later deprecation
  # shows as a warning. Qt 6.4 reads the first name, 6.5 and later the second.
  target_compile_definitions(${target} PRIVATE
    $<$<NOT:$<CONFIG:Debug>>:QT_NO_DEBUG_OUTPUT> QT_NO_CONTEXTLESS_CONNECT
    QT_DISABLE_DEPRECATED_BEFORE=0x060400 QT_DISABLE_DEPRECATED_UP_TO=0x060400)
endfunction()
