# ctest's record_replay: SIM plays seeded hands with burning, tribute and saves and restores
# and records them in RECORD; replaying the record on a fresh game must show every hand as
# it was played.
execute_process(COMMAND "${SIM}" --hands 3000 --seed 5 --burn-rate 0.6 --save-restore 200
  --record "${RECORD}"
  OUTPUT_VARIABLE played ERROR_VARIABLE report RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT played MATCHES " 0 violations")
  message(FATAL_ERROR "the recorded run failed (exit ${status}):\n${played}\n${report}")
endif()
if(NOT report MATCHES "burns [1-9]" OR NOT report MATCHES "saved and restored at [1-9]")
  message(FATAL_ERROR "the recorded run holds no burns or no saves:\n${report}")
endif()
execute_process(COMMAND "${SIM}" --replay "${RECORD}"
  OUTPUT_VARIABLE replayed ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the replay differs (exit ${status}):\n${errors}")
endif()
message(STATUS "${replayed}")
