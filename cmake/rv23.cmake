# rv23_add_test(NAME tst_x SOURCES a.cpp ... LIBS lib ... LABELS unit|integration|gui|e2e [ENVIRONMENT K=V ...])
# One QtTest executable registered with CTest. Widget tests run offscreen and no test
# touches the user's settings or link chatter unless it asks for it.
function(rv23_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;ENVIRONMENT" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt5::Test ${T_LIBS})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS "${T_LABELS}"
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=rv23.*.debug=false;${T_ENVIRONMENT}")
endfunction()
