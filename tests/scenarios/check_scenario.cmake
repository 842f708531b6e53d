# Runs one scenario through korvel_replay and checks its transcript and its failure message.
# -DREPLAY, -DSCENARIO, -DEXPECTED, -DERROR (either file may be missing), -DACTUAL (where the
# transcript is kept for a look after a mismatch).
execute_process(COMMAND ${REPLAY} ${SCENARIO}
  OUTPUT_VARIABLE transcript ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
file(WRITE ${ACTUAL} "${transcript}")

set(problems "")
if(EXISTS ${ERROR})
  file(READ ${ERROR} wanted_error)
  string(STRIP "${wanted_error}" wanted_error)
  string(FIND "${errors}" "${wanted_error}" found)
  if(status EQUAL 0)
    string(APPEND problems "the scenario passed, but it must fail with: ${wanted_error}\n")
  elseif(found EQUAL -1)
    string(APPEND problems "the failure message\n  ${errors}does not hold\n  ${wanted_error}\n")
  endif()
elseif(NOT status EQUAL 0)
  string(APPEND problems "korvel_replay failed (${status}):\n${errors}")
endif()

if(EXISTS ${EXPECTED})
  file(READ ${EXPECTED} wanted)
  if(NOT transcript STREQUAL wanted)
    find_program(DIFF diff)
    if(DIFF)
      execute_process(COMMAND ${DIFF} -u --label expected --label actual ${EXPECTED} ${ACTUAL}
        OUTPUT_VARIABLE difference)
    else()
      set(difference "--- expected\n${wanted}+++ actual\n${transcript}")
    endif()
    string(APPEND problems "the transcript differs (kept in ${ACTUAL}):\n${difference}")
  endif()
endif()

if(problems)
  # NOTICE prints the lines as they are; FATAL_ERROR would reflow the difference.
  message(NOTICE "${SCENARIO}\n${problems}")
  message(FATAL_ERROR "the scenario failed")
endif()
