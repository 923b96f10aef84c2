# The package test (tests/package/CMakeLists.txt): -DBUILD_DIR, -DWORK (a
# scratch folder, emptied), -DGOLDEN (tests/golden), -DVERSION and the tools.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(check what)
  if(NOT (${ARGN}))
    message(FATAL_ERROR "${what}")
  endif()
endfunction()

# 1. The package of this build.
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK}/packages
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
check("cpack failed:\n${out}${err}" rc EQUAL 0)
set(deb ${WORK}/packages/brennick_${VERSION}_amd64.deb)
check("no ${deb}:\n${out}" EXISTS ${deb})
execute_process(COMMAND dpkg-deb --field ${deb} Depends OUTPUT_VARIABLE depends)
check("Depends does not list the shared libraries: ${depends}" depends MATCHES "libqt6widgets6" AND
      depends MATCHES "zlib1g" AND depends MATCHES "qt6-qpa-plugins")

# 2. lintian: no error; the warnings are listed in the test's output.
execute_process(COMMAND ${LINTIAN} --allow-root ${deb} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "lintian:\n${out}${err}")
check("lintian reports errors:\n${out}" NOT out MATCHES "(^|\n)E: ")

# 3. Unpacked into a folder of its own, not installed.
set(root ${WORK}/unpacked)
execute_process(COMMAND dpkg-deb -x ${deb} ${root} RESULT_VARIABLE rc)
check("dpkg-deb -x failed" rc EQUAL 0)
foreach(_file usr/bin/brennick usr/bin/brennick-cli usr/share/brennick/patch.dat
              usr/share/brennick/images/archer_big.bmp usr/share/applications/brennick.desktop
              usr/share/mime/packages/brennick.xml usr/share/metainfo/org.brennick.Brennick.metainfo.xml
              usr/share/icons/hicolor/16x16/apps/brennick.png usr/share/icons/hicolor/256x256/apps/brennick.png
              usr/share/man/man1/brennick-cli.1.gz usr/share/doc/brennick/copyright
              usr/share/doc/brennick/changelog.gz)
  check("the package lacks /${_file}" EXISTS ${root}/${_file})
endforeach()
execute_process(COMMAND ${DESKTOP_VALIDATE} ${root}/usr/share/applications/brennick.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(said "${out}${err}")
check("desktop-file-validate:\n${said}" rc EQUAL 0 AND said MATCHES "^$")
execute_process(COMMAND ${APPSTREAM} validate --no-net ${root}/usr/share/metainfo/org.brennick.Brennick.metainfo.xml
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
check("appstreamcli validate:\n${out}${err}" rc EQUAL 0)

# 4. The unpacked command-line tool: its version, and every golden build.
set(cli ${root}/usr/bin/brennick-cli)
execute_process(COMMAND ${cli} --version OUTPUT_VARIABLE out)
check("brennick-cli --version printed '${out}'" out STREQUAL "${VERSION}\n")
file(GLOB _cases ${GOLDEN}/*.args)
list(LENGTH _cases _count)
check("no golden builds found in ${GOLDEN}" _count GREATER 100)
foreach(_case ${_cases})
  get_filename_component(_name ${_case} NAME_WE)
  execute_process(COMMAND ${CMAKE_COMMAND} -DCLI=${cli} -DCASE=${_case} -DEXPECTED=${GOLDEN}/${_name}.expected.json
                          -DACTUAL=${WORK}/${_name}.actual.json -P ${GOLDEN}/run_golden.cmake
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  check("the unpacked brennick-cli differs on golden build ${_name}:\n${out}${err}" rc EQUAL 0)
endforeach()
message(STATUS "${_count} golden builds give the same output from the unpacked package")

# 5. The unpacked window program writes its error log into the state folder,
# never beside itself. Two errors at start-up: a refused table correction
# (a word in a number cell) and a build file that is not there.
execute_process(COMMAND ${cli} data export ${WORK}/corrections OUTPUT_QUIET RESULT_VARIABLE rc)
check("data export failed" rc EQUAL 0)
file(READ ${WORK}/corrections/weapons.tsv _weapons)
string(REPLACE "Stone Axe\t1\t0\t1\t" "Stone Axe\t1\t0\tone\t" _weapons "${_weapons}")
file(WRITE ${WORK}/corrections/weapons.tsv "${_weapons}")
set(state ${WORK}/state)
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen XDG_STATE_HOME=${state}
                        ${root}/usr/bin/brennick --data ${WORK}/corrections ${WORK}/no_such_build.brk
                TIMEOUT 8 OUTPUT_VARIABLE out ERROR_VARIABLE err)
check("no error.log in the state folder ${state}/brennick:\n${out}${err}" EXISTS ${state}/brennick/error.log)
file(READ ${state}/brennick/error.log log)
check("error.log does not name the missing build: ${log}" log MATCHES "Cannot open the build '[^']*no_such_build.brk'")
check("error.log does not name the refused cell: ${log}"
      log MATCHES "corrections/weapons.tsv:2: field min_pow_lo: \"one\" is not an integer")
file(GLOB_RECURSE _beside ${root}/*error.log ${root}/*log.txt)
check("the program wrote beside itself: ${_beside}" NOT _beside)
