# ctest's play_signature: runs `SIM --signature` and compares the hash with the value
# committed in EXPECTED_FILE (its one line that is not a comment).
execute_process(COMMAND "${SIM}" --signature
  OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status
  OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zunda-sim --signature failed (exit ${status}):\n${errors}")
endif()
file(STRINGS "${EXPECTED_FILE}" expected REGEX "^[0-9a-f]+$")
list(LENGTH expected count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "${EXPECTED_FILE} must hold exactly one hash line")
endif()
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "the play changed: zunda-sim --signature printed ${actual}, "
    "expected ${expected} (${EXPECTED_FILE}).\n"
    "If the change of play is meant, put the new value in that file in the same commit and "
    "say why in its message.")
endif()
message(STATUS "play signature ${actual}")
