# The folders that stand for the home and XDG folders while the tests run
# (tests/CMakeLists.txt), made empty: -DHOME_DIR=<folder>.
if(NOT HOME_DIR OR NOT HOME_DIR MATCHES "/test-home$")
  message(FATAL_ERROR "test_home.cmake: HOME_DIR must be a folder named test-home, not '${HOME_DIR}'")
endif()
file(REMOVE_RECURSE ${HOME_DIR})
foreach(_sub home config data state cache)
  file(MAKE_DIRECTORY ${HOME_DIR}/${_sub})
endforeach()
