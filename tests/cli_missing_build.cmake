# A build file named on the command line that does not exist is refused by
# every command that reads one: exit status 2 and a message naming the file,
# never the start sheet with "OK". -DCLI=<brennick-cli> -DDIR=<a folder>.
set(_missing ${DIR}/no_such_build.brk)
foreach(_args "eval;${_missing}" "eval;${_missing};--json" "explain;Lbl_final_stat_HP;${_missing}"
              "delta;${_missing};--set;stat_level=2" "code;${_missing}" "eval;${DIR}")
  execute_process(COMMAND ${CLI} ${_args} RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 2)
    message(FATAL_ERROR "brennick-cli ${_args}: exit status ${_rc}, not 2\n${_out}${_err}")
  endif()
  list(GET _args -1 _named)
  if(_args MATCHES "no_such_build")
    set(_named no_such_build.brk)
  endif()
  string(FIND "${_err}" "${_named}" _at)
  if(_at LESS 0 OR NOT _out STREQUAL "")
    message(FATAL_ERROR "brennick-cli ${_args}: the message does not name ${_named}, or a sheet was printed\n"
                        "stdout: ${_out}\nstderr: ${_err}")
  endif()
endforeach()
