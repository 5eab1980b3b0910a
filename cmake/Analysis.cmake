# clang-tidy and cppcheck as tests (label analysis), over the files of this build tree
# that match a pattern relative to the source root, from its compile_commands.json:
# the same flags, defines and include paths as the build, nothing copied by hand.
# Where an analyser is missing its test is not made (the test command installs both).
find_program(CLIKPAD_CLANG_TIDY clang-tidy)
find_program(CLIKPAD_CPPCHECK cppcheck)

function(clikpad_analysis name pattern)
  set(check ${PROJECT_SOURCE_DIR}/tests/checks)
  if(CLIKPAD_CLANG_TIDY)
    add_test(NAME clang_tidy_${name}
             COMMAND sh ${check}/clang-tidy.sh ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR} ${pattern}
                        ${CMAKE_CXX_COMPILER})
    set_tests_properties(clang_tidy_${name} PROPERTIES LABELS analysis TIMEOUT 900)
  else()
    message(STATUS "clang-tidy not found: ${name} is not analysed by it")
  endif()
  if(CLIKPAD_CPPCHECK)
    add_test(NAME cppcheck_${name} COMMAND sh ${check}/cppcheck.sh ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR} ${pattern})
    set_tests_properties(cppcheck_${name} PROPERTIES LABELS analysis TIMEOUT 600)
  else()
    message(STATUS "cppcheck not found: ${name} is not analysed by it")
  endif()
endfunction()
