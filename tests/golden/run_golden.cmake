# Runs one golden case and compares its output with the expected file.
file(STRINGS ${CASE} _args ENCODING UTF-8)
get_filename_component(_dir ${CASE} DIRECTORY)
execute_process(
  COMMAND ${CLI} eval ${_args} --json
  WORKING_DIRECTORY ${_dir}
  OUTPUT_FILE ${ACTUAL}
  RESULT_VARIABLE _rc)
if(_rc GREATER 1)
  message(FATAL_ERROR "brennick-cli failed with exit status ${_rc} for ${CASE}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL} RESULT_VARIABLE _diff)
if(NOT _diff EQUAL 0)
  execute_process(COMMAND diff -u ${EXPECTED} ${ACTUAL})
  message(FATAL_ERROR "output differs from ${EXPECTED} (actual output: ${ACTUAL})")
endif()
