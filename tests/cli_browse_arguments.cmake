# brennick-cli browse and skills refuse a bad argument with their own
# message, the usage of both, exit status 2 and nothing on stdout; an option
# given twice counts the last time, and each value is checked in the order
# given. -DCLI=<brennick-cli>.
set(_usage "usage: brennick-cli browse KIND [--kind K] [--class N] [--row R] [--locale point|comma] [--json]\n"
           "       brennick-cli skills CLASS TIER [--locale point|comma] [--json]\n")
string(CONCAT _usage ${_usage})
set(_class "--class takes a class number 0..7 or a class name")
set(_kinds "--kind takes a weapon kind 0..7 or Axe, Bow, Scythe, Claw, Javelin, Sword, Wand, Mace")
# Each case: the arguments and the message, separated by "|".
set(_cases
    "browse|no item kind given"
    "browse|--row|1|no item kind given"
    "browse|foo|unknown item kind foo"
    "browse|armor|robe|more than one item kind given"
    "browse|armor|--foo|7|unknown option --foo"
    "browse|-5|unknown option -5"
    "browse|armor|--class|${_class}"
    "browse|armor|--class|8|${_class}"
    "browse|armor|--class|--row|1|${_class}"
    "browse|armor|--class|99|--class|0|${_class}"
    "browse|armor|--class|Magician|the armor window offers no class 6"
    "browse|robe|--class|1|the robe window offers no class 1"
    "browse|armor|--row|--row takes a row number"
    "browse|armor|--row|x|--class|99|--row takes a row number"
    "browse|armor|--row|1000|--row takes a row number"
    "browse|armor|--row|0|--row takes an item row 1..18"
    "browse|sheltom|--row|10|--row takes an item row 1..9"
    "browse|weapon|--kind|Wand|--row|21|--row takes an item row 1..20"
    "browse|armor|--kind|1|--kind is only for the weapon window"
    "browse|weapon|--kind|8|${_kinds}"
    "browse|weapon|--kind|Wand/Staff|${_kinds}"
    "browse|armor|--class|99|--locale|de|--locale takes point or comma"
    "browse|armor|--locale|--locale takes point or comma"
    "skills|0|skills takes a class and a tier"
    "skills|0|1|--foo|skills takes a class and a tier"
    "skills|Foo|1|unknown class Foo"
    "skills|0|5|the tier is 1, 2, 3 or 4"
    "skills|0|1|--locale|x|--locale takes point or comma")
foreach(_case ${_cases})
  string(REPLACE "|" ";" _args "${_case}")
  list(POP_BACK _args _message)
  execute_process(COMMAND ${CLI} ${_args} RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
  if(NOT _rc EQUAL 2 OR NOT _out STREQUAL "" OR NOT _err STREQUAL "brennick-cli: ${_message}\n${_usage}")
    message(FATAL_ERROR "brennick-cli ${_args}: exit status ${_rc}\nstdout: ${_out}\nstderr: ${_err}"
                        "expected: brennick-cli: ${_message}")
  endif()
endforeach()

# Pairs of command lines that print the same: the last of an option given
# twice counts, KIND may come before or after the options, --row=1 is --row 1.
set(_same
    "browse|armor|--class|Fighter|--class|5|--row|18" "browse|--class|Knight|armor|--row|18"
    "browse|weapon|--kind|5|--kind|Wand|--row|1" "browse|weapon|--kind=6|--row=1"
    "skills|--json|7|2|--locale|point|--locale|comma" "skills|Priestess|2|--json|--locale|comma")
list(LENGTH _same _n)
math(EXPR _last "${_n} - 1")
foreach(_i RANGE 0 ${_last} 2)
  math(EXPR _j "${_i} + 1")
  list(GET _same ${_i} _a)
  list(GET _same ${_j} _b)
  string(REPLACE "|" ";" _a "${_a}")
  string(REPLACE "|" ";" _b "${_b}")
  execute_process(COMMAND ${CLI} ${_a} RESULT_VARIABLE _rc_a OUTPUT_VARIABLE _out_a ERROR_VARIABLE _err_a)
  execute_process(COMMAND ${CLI} ${_b} RESULT_VARIABLE _rc_b OUTPUT_VARIABLE _out_b ERROR_VARIABLE _err_b)
  if(NOT _rc_a EQUAL 0 OR NOT _rc_b EQUAL 0 OR _out_a STREQUAL "" OR NOT _out_a STREQUAL _out_b)
    message(FATAL_ERROR "brennick-cli ${_a} (exit ${_rc_a} ${_err_a}) and ${_b} (exit ${_rc_b} ${_err_b}) differ")
  endif()
endforeach()

# The help lists no option besides --help: the footer gives the usage.
execute_process(COMMAND ${CLI} browse --help RESULT_VARIABLE _rc OUTPUT_VARIABLE _help)
set(_want "Print an item browser's grid and the details of one row\n"
          "Usage: brennick-cli browse [OPTIONS]\n\nOptions:\n"
          "  -h,--help                   Print this help message and exit\n\n"
          "usage: brennick-cli browse KIND [--kind K] [--class N] [--row R] [--locale point|comma] [--json]\n"
          "KIND: armor robe shield orb boots gaunts armlets amulet ring sheltom weapon\n")
string(CONCAT _want ${_want})
if(NOT _rc EQUAL 0 OR NOT _help STREQUAL _want)
  message(FATAL_ERROR "brennick-cli browse --help (exit ${_rc}):\n${_help}")
endif()
