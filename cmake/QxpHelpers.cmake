# Compile settings live on targets, never in global flags, so a library keeps
# its warnings when another project embeds it.
function(qxp_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -pedantic)
  if(QXP_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(QXP_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=${QXP_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=${QXP_SANITIZE})
  endif()
endfunction()

# The ctest labels of a test declared in the current tests/<folder>, so the
# sanitizer runs and developers pick tests by what they exercise rather than
# by name. `kind` is GTEST or QTEST: a Qt Test shows widgets, so it is
# "gui", and keeps its folder's label where that names a thread-using layer
# (transfer: the dialogs on the port event thread). Extra labels come from
# the LABELS argument of the declaring function. A folder not named here is
# an error, so a new folder of threaded tests cannot miss ThreadSanitizer.
function(qxp_test_labels out kind)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "/.*" "" folder "${folder}")
  if(folder STREQUAL "model" OR folder STREQUAL "settings" OR folder STREQUAL "rules"
     OR folder STREQUAL "editors" OR folder STREQUAL "document")
    set(labels core) # window-free rules; the editors' dialogs are Qt Tests
  elseif(folder STREQUAL "serial" OR folder STREQUAL "sim" OR folder STREQUAL "ports")
    set(labels serial)
  elseif(folder STREQUAL "transfer" OR folder STREQUAL "cli" OR folder STREQUAL "install")
    set(labels ${folder})
  elseif(folder STREQUAL "mainwindow")
    set(labels gui)
  else()
    message(FATAL_ERROR "tests/${folder}: no labels for this folder; name it in qxp_test_labels")
  endif()
  if(kind STREQUAL "QTEST")
    list(REMOVE_ITEM labels core)
    list(APPEND labels gui)
  endif()
  list(APPEND labels ${ARGN})
  list(REMOVE_DUPLICATES labels)
  set(${out} ${labels} PARENT_SCOPE)
endfunction()

# qxp_tests_<label> builds every test executable of a label, so a build that
# runs only some labels (the ThreadSanitizer preset) builds just those, new
# tests included.
function(qxp_label_targets test)
  foreach(label ${ARGN})
    if(NOT TARGET qxp_tests_${label})
      add_custom_target(qxp_tests_${label})
    endif()
    add_dependencies(qxp_tests_${label} ${test})
  endforeach()
endfunction()

# One GoogleTest executable, registered with ctest case by case.
function(qxp_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  qxp_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} qxp_test_support GTest::gtest GTest::gtest_main)
  qxp_test_labels(labels GTEST ${ARG_LABELS})
  qxp_label_targets(${name} ${labels})
  # gtest_discover_tests hands PROPERTIES on through a generated script: a
  # list value needs its separators escaped to stay one value.
  string(REPLACE ";" "\\;" labels "${labels}")
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QXP_BINARY_DIR=${PROJECT_BINARY_DIR}" LABELS "${labels}")
endfunction()

# One Qt Test executable for widgets, run offscreen.
function(qxp_add_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  qxp_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} qxp_test_support Qt6::Test)
  qxp_test_labels(labels QTEST ${ARG_LABELS})
  qxp_label_targets(${name} ${labels})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QXP_BINARY_DIR=${PROJECT_BINARY_DIR}"
    LABELS "${labels}")
endfunction()
