# Runs one golden case and compares its output with the expected file.
file(STRINGS ${CASE} _args ENCODING UTF-8)
get_filename_component(_dir ${CASE} DIRECTORY)
# A case whose first line is another command than eval (browse, skills,
# code, explain, delta)
# holds that whole command line.
set(_first "")
if(_args)
  list(GET _args 0 _first)
endif()
if(_first STREQUAL "browse" OR _first STREQUAL "skills" OR _first STREQUAL "code" OR _first STREQUAL "explain"
   OR _first STREQUAL "delta")
  set(_command ${_args})
else()
  set(_command eval ${_args})
endif()
execute_process(
  COMMAND ${CLI} ${_command} --json
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
