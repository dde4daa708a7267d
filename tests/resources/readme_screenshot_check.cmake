# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the README's picture of the calculator page again, so that the picture tool keeps
# working and the README keeps showing what the program shows. Run by ctest with TOOL,
# COMMITTED, OUTPUT and MODE set:
#   MODE=exact    the same file as the committed docs/calculator.png, where the toolchain
#                 (TOOLCHAIN_TOOL --toolchain) is the one RECORD names; elsewhere skipped,
#                 printing why ("SKIPPED:")
#   MODE=likeness the same picture, by COMPARE_TOOL, whatever this Qt's rendering
execute_process(COMMAND "${TOOL}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "readme_screenshot failed: ${result}")
endif()

if(MODE STREQUAL "likeness")
  execute_process(COMMAND "${COMPARE_TOOL}" "${COMMITTED}" "${OUTPUT}" RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${OUTPUT} shows another picture than ${COMMITTED}")
  endif()
  return()
endif()

execute_process(COMMAND "${TOOLCHAIN_TOOL}" --toolchain OUTPUT_VARIABLE toolchain
                OUTPUT_STRIP_TRAILING_WHITESPACE)
file(STRINGS "${RECORD}" recorded REGEX "^[^#]")
if(NOT toolchain STREQUAL recorded)
  message("SKIPPED: docs/calculator.png was made with ${recorded}; this machine draws with "
          "${toolchain}, whose pixels differ: only its likeness is judged here")
  return()
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${COMMITTED}"
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${OUTPUT} differs from ${COMMITTED}: run scripts/readme-screenshot.sh")
endif()
