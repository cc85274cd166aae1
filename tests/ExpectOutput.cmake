# Runs PROGRAM with ARGS (a ;-list) without a display; passes when it exits with 0 and
# prints exactly the line EXPECTED on standard output and nothing on standard error.
#   cmake -DPROGRAM=... -DARGS=... -DEXPECTED=... -P ExpectOutput.cmake
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
execute_process(COMMAND ${PROGRAM} ${ARGS}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status STREQUAL "0")
  message(FATAL_ERROR "${PROGRAM} ${ARGS}: exit status ${status}\n${errors}")
endif()
if(NOT output STREQUAL "${EXPECTED}\n" OR NOT errors STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} ${ARGS}: expected \"${EXPECTED}\", got\n${output}${errors}")
endif()
