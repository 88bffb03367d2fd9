# corvane_add_test(name SOURCES ... LIBS ... [GUI])
# One GoogleTest executable, its cases registered with CTest one by one.
# GUI tests run on Qt's offscreen platform.
function(corvane_add_test name)
    cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE corvane_options GTest::gtest GTest::gmock GTest::gtest_main ${ARG_LIBS})
    set(env "CORVANE_TEST=1")
    if(ARG_GUI)
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ENVIRONMENT "${env}" TIMEOUT 120)
endfunction()

include(GoogleTest)
