# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Build rules shared by every target of the project's own code.
include(CheckCXXSourceCompiles)

if(NOT CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$")
  message(FATAL_ERROR "Varnelo computes in the x87 extended format and builds only for x86-64 "
                      "(this is ${CMAKE_SYSTEM_PROCESSOR}).")
endif()

set(CMAKE_REQUIRED_FLAGS "-std=c++20")
check_cxx_source_compiles([=[
  #include <limits>
  static_assert(std::numeric_limits<long double>::digits == 64);
  int main() { return 0; }
]=] VARNELO_LONG_DOUBLE_IS_EXTENDED)
unset(CMAKE_REQUIRED_FLAGS)
if(NOT VARNELO_LONG_DOUBLE_IS_EXTENDED)
  message(FATAL_ERROR "long double of this compiler has no 64-bit significand; the calculation "
                      "needs the x87 80-bit extended format.")
endif()

# Strict warnings as errors, and arithmetic exactly as written: no fast-math, no fused
# multiply-add contraction, no reassociation.
function(varnelo_strict target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Werror
    -ffp-contract=off -fno-fast-math -fno-unsafe-math-optimizations -ftrapping-math)
  target_compile_definitions(${target} PRIVATE
    $<$<NOT:$<CONFIG:Debug>>:QT_NO_DEBUG_OUTPUT> QT_NO_CONTEXTLESS_CONNECT)
endfunction()
