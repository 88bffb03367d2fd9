# corvane_add_test(name SOURCES ... LIBS ... [GUI] [THREADS] [LABEL label])
# One GoogleTest executable, its cases registered with CTest one by one as
# "<name>.<Suite>.<Case>". GUI tests run on Qt's offscreen platform; THREADS
# tests also run under ThreadSanitizer (ctest label "thread"). LABEL marks
# tests that wait on real components or real time ("integration"); a test
# carries one label, so THREADS wins over LABEL.
function(corvane_add_test name)
    cmake_parse_arguments(ARG "GUI;THREADS" "LABEL" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE corvane_options GTest::gtest GTest::gmock GTest::gtest_main ${ARG_LIBS})
    # Test discovery drops empty values and splits lists, so add each
    # property only when it has exactly one value.
    set(properties TIMEOUT 120)
    if(ARG_GUI)
        list(APPEND properties ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endif()
    if(ARG_THREADS)
        list(APPEND properties LABELS thread)
        set_property(GLOBAL APPEND PROPERTY CORVANE_THREAD_TESTS ${name})
    elseif(ARG_LABEL)
        list(APPEND properties LABELS ${ARG_LABEL})
    endif()
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        TEST_PREFIX "${name}."
        PROPERTIES ${properties})
endfunction()

# After every folder is added: one target that builds just the tests that
# also run under ThreadSanitizer.
function(corvane_add_thread_tests_target)
    get_property(tests GLOBAL PROPERTY CORVANE_THREAD_TESTS)
    add_custom_target(thread_tests DEPENDS ${tests})
endfunction()

include(GoogleTest)
