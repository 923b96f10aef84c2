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

# An eval case replays the window's Edit menu too: Strength set one higher
# than the case's own, then --undo, prints the case's output again; --redo
# after that prints what the set alone prints.
list(FIND _args "--trace" _traced)
if(NOT _command STREQUAL _args AND _traced EQUAL -1)
  file(READ ${EXPECTED} _expected_json)
  string(JSON _strength GET "${_expected_json}" controls stat_strenght value)
  math(EXPR _higher "${_strength} + 1")
  set(_edit eval ${_args} --set stat_strenght=${_higher})
  foreach(_run "set" "undo;--undo" "redo;--undo;--redo")
    list(GET _run 0 _name)
    set(_more ${_run})
    list(REMOVE_AT _more 0)
    execute_process(COMMAND ${CLI} ${_edit} ${_more} --json WORKING_DIRECTORY ${_dir}
                    OUTPUT_FILE ${ACTUAL}.${_name} RESULT_VARIABLE _rc)
    if(_rc GREATER 1)
      message(FATAL_ERROR "brennick-cli failed with exit status ${_rc} for ${CASE} (${_name})")
    endif()
  endforeach()
  foreach(_pair "undo;${EXPECTED}" "redo;${ACTUAL}.set")
    list(GET _pair 0 _name)
    list(GET _pair 1 _want)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${_want} ${ACTUAL}.${_name} RESULT_VARIABLE _diff)
    if(NOT _diff EQUAL 0)
      execute_process(COMMAND diff -u ${_want} ${ACTUAL}.${_name})
      message(FATAL_ERROR "--set stat_strenght=${_higher} then --${_name}: output differs from ${_want}")
    endif()
  endforeach()
endif()
