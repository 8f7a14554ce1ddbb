# varnel_add_test(NAME SOURCES... LIBRARIES...): one QtTest executable, registered with CTest,
# run on Qt's offscreen platform with its settings in a folder of its own.
function(varnel_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test varnel_options ${ARG_LIBRARIES})
    add_test(NAME ${name} COMMAND ${name})
    set(_config_home "${CMAKE_CURRENT_BINARY_DIR}/${name}.config")
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANGUAGE=;LC_ALL=;LC_MESSAGES=;LANG=C.UTF-8;XDG_CONFIG_HOME=${_config_home};ASAN_OPTIONS=halt_on_error=1:detect_leaks=1;UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp"
        TIMEOUT 120)
endfunction()
