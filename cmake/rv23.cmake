# rv23_add_test(NAME tst_x SOURCES a.cpp ... LIBS lib ... LABELS unit|integration|gui|e2e
#               [LOGGING category ...] [ENVIRONMENT K=V ...])
# One QtTest executable registered with CTest. Widget tests run offscreen, and the module's debug
# lines stay off except for the LOGGING categories a test checks (e.g. rv23.module).
function(rv23_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS;LOGGING;ENVIRONMENT" ${ARGN})
  set(rules "rv23.*.debug=false")
  foreach(category ${T_LOGGING})
    string(APPEND rules "\\;${category}.debug=true")
  endforeach()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt5::Test ${T_LIBS})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS "${T_LABELS}"
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=${rules};${T_ENVIRONMENT}")
endfunction()
