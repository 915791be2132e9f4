# SPDX-License-Identifier: GPL-3.0-or-later
# tovrin_add_test(<name>
#                 [SOURCES <file>...] [LIBRARIES <target>...]
#                 [COMMAND <command> <arg>...]
#                 [GTEST] [WINDOW] [TIMEOUT <seconds>] [SKIP_RETURN_CODE <code>])
#
# Adds one test to CTest.  With SOURCES it builds the test program <name>
# from them, linked with LIBRARIES, and runs it; with COMMAND it runs that
# command instead.  A GoogleTest program (GTEST) becomes one CTest test per
# test case.  Every test gets a configuration folder of its own
# (XDG_CONFIG_HOME), so that no test reads or writes the user's settings;
# WINDOW tests also run on Qt's offscreen platform.
include(GoogleTest)

function(tovrin_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 TEST "GTEST;WINDOW" "TIMEOUT;SKIP_RETURN_CODE"
                          "SOURCES;LIBRARIES;COMMAND")
    if(TEST_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "tovrin_add_test(${name}): unknown arguments ${TEST_UNPARSED_ARGUMENTS}")
    endif()
    if(TEST_SOURCES)
        add_executable(${name} ${TEST_SOURCES})
        target_link_libraries(${name} PRIVATE ${TEST_LIBRARIES})
    endif()
    if(NOT TEST_COMMAND)
        set(TEST_COMMAND ${name})
    endif()

    set(config "XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/config-${name}")
    if(TEST_GTEST)
        if(TEST_WINDOW)
            message(FATAL_ERROR "tovrin_add_test(${name}): a GoogleTest program sets its platform in main()")
        endif()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${config}")
        return()
    endif()

    add_test(NAME ${name} COMMAND ${TEST_COMMAND})
    set(environment ${config})
    if(TEST_WINDOW)
        list(APPEND environment "QT_QPA_PLATFORM=offscreen")
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
    if(TEST_TIMEOUT)
        set_tests_properties(${name} PROPERTIES TIMEOUT ${TEST_TIMEOUT})
    endif()
    if(TEST_SKIP_RETURN_CODE)
        set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE ${TEST_SKIP_RETURN_CODE})
    endif()
endfunction()
