# SPDX-FileCopyrightText: 2026 Varnelo developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A program compiled for one back end of the extended format must not link with a core built
# on the other; with its own it links and computes the worked defaults. Compiles
# backend_consumer.cpp by hand, as code outside this build would, without the core's compile
# definitions. Run by ctest with CXX, SOURCE_DIR, WORK_DIR, X87_CORE, PORTABLE_CORE, LIBS
# (the portable core's libraries) and FLAGS (the build's compile and link flags, so that a
# sanitizer build's core links) set, both ';'-separated.
set(expected "3.01 0.85 10 2.1942 10.51 87.6 120\n0.1\n")
file(MAKE_DIRECTORY "${WORK_DIR}")

function(link_consumer name definition core)
  execute_process(
    COMMAND "${CXX}" -std=c++20 -O1 ${FLAGS} -I "${SOURCE_DIR}" ${definition}
            "${SOURCE_DIR}/tests/calc/backend_consumer.cpp" "${core}" ${LIBS}
            -o "${WORK_DIR}/${name}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(link_result "${result}" PARENT_SCOPE)
  set(link_output "${output}" PARENT_SCOPE)
endfunction()

function(expect_match name definition core)
  link_consumer(${name} "${definition}" "${core}")
  if(NOT link_result EQUAL 0)
    message(FATAL_ERROR "${name}: the consumer does not build with its own core:\n${link_output}")
  endif()
  execute_process(COMMAND "${WORK_DIR}/${name}" RESULT_VARIABLE result OUTPUT_VARIABLE output)
  if(NOT result EQUAL 0 OR NOT output STREQUAL expected)
    message(FATAL_ERROR "${name}: printed '${output}' (exit ${result}), not '${expected}'")
  endif()
  message(STATUS "${name}: links and computes ${output}")
endfunction()

# Fails unless the link fails for a name of the core on the other back end.
function(expect_mixup name definition core missing_backend)
  link_consumer(${name} "${definition}" "${core}")
  if(link_result EQUAL 0)
    message(FATAL_ERROR "${name}: a program built for the other back end linked")
  endif()
  if(NOT link_output MATCHES "undefined reference to `calc::${missing_backend}::")
    message(FATAL_ERROR "${name}: failed, but not for the back end's names:\n${link_output}")
  endif()
  message(STATUS "${name}: refused at link time (calc::${missing_backend}:: missing)")
endfunction()

expect_match(x87_with_x87 "" "${X87_CORE}")
expect_match(portable_with_portable "-DVARNELO_PORTABLE_EXTENDED=1" "${PORTABLE_CORE}")
expect_mixup(x87_with_portable "" "${PORTABLE_CORE}" x87_extended)
expect_mixup(portable_with_x87 "-DVARNELO_PORTABLE_EXTENDED=1" "${X87_CORE}" portable_extended)
