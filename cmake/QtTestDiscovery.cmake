# One ctest entry per test function of a Qt Test executable, as gtest_discover_tests does for
# GoogleTest: <target>.<function> runs `<target> <function>`. A data-driven function stays one
# entry with all its rows.
#
# After each link the executable lists its functions (`-functions`, on Qt's offscreen platform,
# so no display is needed) and this file, run as a script, writes them as ctest commands into a
# file that ctest includes. Until the executable is built, ctest shows <target>_NOT_BUILT.
#
#   voltaris_discover_qt_tests(<target> [TIMEOUT <seconds>])
#
# An entry whose function skipped (QSKIP, e.g. without a usable OpenGL context) counts as
# skipped, not as passed.

if(NOT CMAKE_SCRIPT_MODE_FILE)
  set(VOLTARIS_QT_TEST_DISCOVERY_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

  function(voltaris_discover_qt_tests target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "TIMEOUT" "")
    if(NOT arg_TIMEOUT)
      set(arg_TIMEOUT 120)
    endif()
    set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_functions.cmake)
    set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND}
        -D "TEST_TARGET=${target}"
        -D "TEST_EXECUTABLE=$<TARGET_FILE:${target}>"
        -D "TEST_WORKING_DIRECTORY=${CMAKE_CURRENT_BINARY_DIR}"
        -D "TEST_TIMEOUT=${arg_TIMEOUT}"
        -D "TEST_LIST_FILE=${list_file}"
        -P ${VOLTARIS_QT_TEST_DISCOVERY_SCRIPT}
      BYPRODUCTS ${list_file}
      VERBATIM)
    file(WRITE ${include_file}
      "if(EXISTS \"${list_file}\")\n"
      "  include(\"${list_file}\")\n"
      "else()\n"
      "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\n"
      "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
  endfunction()
  return()
endif()

# Script mode: list the functions of TEST_EXECUTABLE and write TEST_LIST_FILE.
set(ENV{QT_QPA_PLATFORM} offscreen)
# Listing is no run: a sanitizer build must not fail it over what Qt leaves allocated at exit.
set(ENV{ASAN_OPTIONS} "detect_leaks=0:$ENV{ASAN_OPTIONS}")
execute_process(
  COMMAND "${TEST_EXECUTABLE}" -functions
  OUTPUT_VARIABLE listing
  ERROR_VARIABLE errors
  RESULT_VARIABLE status
  TIMEOUT 60)
string(REGEX MATCHALL "[A-Za-z_][A-Za-z0-9_]*\\(\\)" functions "${listing}")
if(NOT status EQUAL 0 OR NOT functions)
  file(REMOVE "${TEST_LIST_FILE}")
  message(FATAL_ERROR "${TEST_TARGET} -functions listed no test functions (exit ${status}):\n${listing}${errors}")
endif()

set(commands "")
foreach(function IN LISTS functions)
  string(REPLACE "()" "" function "${function}")
  set(name "${TEST_TARGET}.${function}")
  string(APPEND commands
    "add_test([=[${name}]=] [=[${TEST_EXECUTABLE}]=] [=[${function}]=])\n"
    "set_tests_properties([=[${name}]=] PROPERTIES"
    " WORKING_DIRECTORY [=[${TEST_WORKING_DIRECTORY}]=] TIMEOUT ${TEST_TIMEOUT}"
    " SKIP_REGULAR_EXPRESSION [=[SKIP   : ]=])\n")
endforeach()
file(WRITE "${TEST_LIST_FILE}" "${commands}")
