# Labels and a time limit for every ctest test, whoever adds it and wherever.
# The kind of a test is told by the start of its name:
#   transcript.* and batch.* -> transcript   qt.* -> qt        fuzz.* -> fuzz
#   install*                 -> install      package.* -> package
# A test that sets its own LABELS or TIMEOUT keeps them. GoogleTest cases
# are discovered at test time and get theirs from gtest_discover_tests
# (PROPERTIES LABELS unit TIMEOUT ...), see tests/CMakeLists.txt.
enable_testing()

set(ZENKO_TEST_TIMEOUT 120 CACHE STRING "Default time limit of a test, in seconds")

function(zenko_test_kind name out)
  if(name MATCHES "^(transcript|batch)\\.")
    set(kind transcript)
  elseif(name MATCHES "^qt\\.")
    set(kind qt)
  elseif(name MATCHES "^fuzz\\.")
    set(kind fuzz)
  elseif(name MATCHES "^install")
    set(kind install)
  elseif(name MATCHES "^package\\.")
    set(kind package)
  else()
    set(kind unit)
  endif()
  set(${out} ${kind} PARENT_SCOPE)
endfunction()

# Runs at the end of the directory that added the test, when every
# set_tests_properties of that directory has been seen.
function(zenko_test_defaults name)
  get_test_property(${name} LABELS labels)
  if(NOT labels)
    zenko_test_kind(${name} kind)
    set_tests_properties(${name} PROPERTIES LABELS ${kind})
  endif()
  get_test_property(${name} TIMEOUT timeout)
  if(NOT timeout)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ZENKO_TEST_TIMEOUT})
  endif()
endfunction()

# add_test itself is wrapped, so that tests added later, in any directory,
# get the defaults above without their authors doing anything.
function(add_test)
  _add_test(${ARGV})
  if(ARGV0 STREQUAL "NAME")
    set(name ${ARGV1})
  else()
    set(name ${ARGV0})
  endif()
  # Arguments of a deferred call are read when it runs: capture the name now.
  cmake_language(EVAL CODE "cmake_language(DEFER CALL zenko_test_defaults [[${name}]])")
endfunction()
