# Runs one fuzz target for a fixed time (the `fuzz_*` tests).
#   FUZZER    the fuzz program
#   WORK_DIR  a folder of the build tree for this run (emptied first)
#   SEEDS     committed seed inputs (read only)
#   SECONDS   run time
# The new inputs go into WORK_DIR/corpus, crash inputs into WORK_DIR.
foreach(var FUZZER WORK_DIR SEEDS SECONDS)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_fuzzer.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/corpus)

execute_process(
  COMMAND ${FUZZER}
    -max_total_time=${SECONDS}
    -rss_limit_mb=2048
    -timeout=10
    -max_len=8192
    -print_final_stats=1
    -artifact_prefix=${WORK_DIR}/
    ${WORK_DIR}/corpus ${SEEDS}
  RESULT_VARIABLE result)

if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the failing input is in ${WORK_DIR}")
endif()
