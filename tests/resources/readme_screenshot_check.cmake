# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Makes the README's picture of the calculator page again and requires it to be the committed
# docs/calculator.png, so that the picture tool keeps working and the README keeps showing
# what the program shows. Run by ctest with TOOL, COMMITTED and OUTPUT set.
execute_process(COMMAND "${TOOL}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "readme_screenshot failed: ${result}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}" "${COMMITTED}"
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "${OUTPUT} differs from ${COMMITTED}: run scripts/readme-screenshot.sh")
endif()
