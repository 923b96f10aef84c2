# The player's corrected item tables through brennick-cli: data export and
# data check, a corrected cell that changes what eval gives, and refused
# files that leave the built-in table in use.
# -DCLI=<brennick-cli> -DDIR=<an empty scratch folder>.
set(_empty "")  # compared by name: an empty text does not pass through ARGN
file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})

function(run)
  cmake_parse_arguments(R "" "RC;OUT;ERR" "ENV" ${ARGN})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${R_ENV} ${CLI} ${R_UNPARSED_ARGUMENTS}
                  RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _err)
  set(${R_RC} ${_rc} PARENT_SCOPE)
  set(${R_OUT} "${_out}" PARENT_SCOPE)
  set(${R_ERR} "${_err}" PARENT_SCOPE)
endfunction()

function(expect what)
  if(NOT (${ARGN}))
    message(FATAL_ERROR "${what}\nstdout: ${out}\nstderr: ${err}")
  endif()
endfunction()

# Export: eleven files, refused a second time, unless --replace.
run(data export ${DIR}/tables RC rc OUT out ERR err)
expect("data export failed" rc EQUAL 0)
file(GLOB _files ${DIR}/tables/*.tsv)
list(LENGTH _files _count)
expect("data export wrote ${_count} files, not 11" _count EQUAL 11)
run(data export ${DIR}/tables RC rc OUT out ERR err)
expect("a second data export replaced the tables" rc EQUAL 1 AND err MATCHES "items_armor.tsv' is there already")
run(data export ${DIR}/tables --replace RC rc OUT out ERR err)
expect("data export --replace failed" rc EQUAL 0)

# The export passes its own check.
run(data check ${DIR}/tables RC rc OUT out ERR err)
expect("data check of the export found faults" rc EQUAL 0 AND out STREQUAL _empty)

# A corrected cell: Leather Armor (row 2) with a defence of 777-999.
set(_eval eval --set Select_class=2 --set stat_level=40 --set Select_Armor=2 --json)
run(${_eval} RC rc OUT built_in ERR err)
expect("eval failed" rc EQUAL 0)
file(MAKE_DIRECTORY ${DIR}/fixed)
file(READ ${DIR}/tables/items_armor.tsv _armor)
string(REPLACE "Leather Armor\t180\t14\t24\t" "Leather Armor\t180\t777\t999\t" _fixed "${_armor}")
expect("the armour table's row 2 is not as expected" NOT _fixed STREQUAL _armor)
file(WRITE ${DIR}/fixed/items_armor.tsv "${_fixed}")
run(--data ${DIR}/fixed ${_eval} RC rc OUT corrected ERR err)
set(out "${corrected}")
expect("eval with the correction failed or said something" rc EQUAL 0 AND err STREQUAL _empty)
expect("the corrected defence does not show" NOT corrected STREQUAL built_in AND corrected MATCHES "999")
run(${_eval} ENV BRENNICK_DATA=${DIR}/fixed RC rc OUT from_env ERR err)
expect("BRENNICK_DATA is not read" from_env STREQUAL corrected)
run(--data ${DIR}/fixed catalog --json RC rc OUT out ERR err)
expect("catalog does not name the correction's source"
       out MATCHES "\"items_armor.tsv\": \"[^\"]*/fixed/items_armor.tsv\"" AND out MATCHES "\"weapons.tsv\": \"built-in\"")

# Refused corrections: a word in a number cell (line 4), lo above hi (line
# 3), a row too few. Each is named with its file and line, and the built-in
# table is used.
file(MAKE_DIRECTORY ${DIR}/broken)
string(REPLACE "Brigandine\t500\t16\t" "Brigandine\t500\tsixteen\t" _word "${_armor}")
string(REPLACE "Leather Armor\t180\t14\t24\t" "Leather Armor\t180\t30\t24\t" _lo_hi "${_armor}")
string(REGEX REPLACE "\n[^\n]*\n$" "\n" _short "${_armor}")
foreach(_case "word;4;field def_lo: \"sixteen\" is not an integer"
              "lo_hi;3;field def_lo: \"30\" is above field def_hi: \"24\""
              "short;0;expected 18 rows, found 17")
  list(GET _case 0 _name)
  list(GET _case 1 _line)
  list(GET _case 2 _message)
  file(WRITE ${DIR}/broken/items_armor.tsv "${_${_name}}")
  set(_where "items_armor.tsv:${_line}: ")
  if(_line EQUAL 0)
    set(_where "items_armor.tsv: ")
  endif()
  run(data check ${DIR}/broken RC rc OUT out ERR err)
  expect("data check passed the ${_name} table" rc EQUAL 1)
  string(FIND "${out}" "${_where}${_message}" _at)
  expect("data check does not say '${_where}${_message}'" _at EQUAL 0)
  run(--data ${DIR}/broken ${_eval} RC rc OUT out ERR err)
  string(FIND "${err}" "/broken/${_where}${_message}" _at)
  expect("eval does not name the refused ${_name} file" _at GREATER 0 AND err MATCHES "the built-in table is used")
  expect("eval with a refused ${_name} table does not use the built-in one" out STREQUAL built_in)
endforeach()

# A file of another name is a fault of the folder, not a table.
file(REMOVE ${DIR}/broken/items_armor.tsv)
file(WRITE ${DIR}/broken/items_armour.tsv "x")
run(data check ${DIR}/broken RC rc OUT out ERR err)
expect("data check passed a misspelt file" rc EQUAL 1 AND out MATCHES "^items_armour.tsv: not a table file")
