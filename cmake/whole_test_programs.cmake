# In a cross build the tests run under an emulator (Wine), where every start of a program costs
# time, and finding a program's test cases means starting it once more at build time. So each
# test program becomes one test that runs all its cases; the cases' names and results are in
# its output.
function(gtest_discover_tests target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PROPERTIES")
  add_test(NAME ${target} COMMAND ${target})
  if(arg_PROPERTIES)
    set_tests_properties(${target} PROPERTIES ${arg_PROPERTIES})
  endif()
endfunction()
