# Compile settings live on targets, never in global flags, so a library keeps
# its warnings when another project embeds it.
function(qxp_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -pedantic)
  if(QXP_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=${QXP_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=${QXP_SANITIZE})
  endif()
endfunction()

# One GoogleTest executable, registered with ctest case by case.
function(qxp_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  qxp_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QXP_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()

# One Qt Test executable for widgets, run offscreen.
function(qxp_add_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  qxp_target_defaults(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QXP_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()
