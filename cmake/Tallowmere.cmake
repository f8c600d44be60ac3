# Helpers shared by every component's CMakeLists.

# tallowmere_add_test(<name> [TEST_PREFIX <prefix>] [DECIMAL_COMMA] [TIMEOUT <seconds>]
#                     SOURCES <files...> LIBRARIES <targets...>)
# One GoogleTest executable whose tests CTest lists one by one, their names led by TEST_PREFIX
# when two programs run the same test sources. Each test's sandbox (platform/testing) lies in
# test-output/<CTest name>/ of the component's build folder; the tests run in that build folder
# so that nothing they write lands in the source tree or the user's home.
# DECIMAL_COMMA runs every test a second time under a decimal-comma locale (names led by
# "decimal-comma."), for suites that format or parse numbers. TIMEOUT bounds each test's run
# below the preset's limit, for tests that wait on other programs.
function(tallowmere_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "DECIMAL_COMMA" "TEST_PREFIX;TIMEOUT" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES}
                           ${PROJECT_SOURCE_DIR}/platform/testing/src/test_program.cpp)
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} platform_testing GTest::gtest
                                          GTest::gmock GTest::gtest_main)
    target_compile_definitions(
        ${name} PRIVATE TALLOWMERE_TEST_OUTPUT="${CMAKE_CURRENT_BINARY_DIR}/test-output"
                        TALLOWMERE_TEST_PREFIX="${arg_TEST_PREFIX}")
    set(properties)
    if(arg_TIMEOUT)
        set(properties PROPERTIES TIMEOUT ${arg_TIMEOUT})
    endif()
    gtest_discover_tests(${name} TEST_PREFIX "${arg_TEST_PREFIX}" WORKING_DIRECTORY
                         ${CMAKE_CURRENT_BINARY_DIR} DISCOVERY_TIMEOUT 60 ${properties})
    if(arg_DECIMAL_COMMA)
        target_link_libraries(${name} PRIVATE platform_testing_decimal_comma)
        get_property(locale_dir GLOBAL PROPERTY TALLOWMERE_DECIMAL_COMMA_LOCALE)
        if(locale_dir)
            add_dependencies(${name} platform_testing_decimal_comma_locale)
            gtest_discover_tests(${name} TEST_PREFIX "${arg_TEST_PREFIX}decimal-comma."
                                 WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} DISCOVERY_TIMEOUT 60
                                 PROPERTIES ENVIRONMENT
                                            "TALLOWMERE_DECIMAL_COMMA_LOCALE=${locale_dir}")
        endif()
    endif()
endfunction()

# tallowmere_export_only(<target> <version-script>)
# Restricts a shared library's dynamic symbol table to the names its version script lists.
function(tallowmere_export_only target script)
    target_link_options(${target} PRIVATE "LINKER:--version-script=${script}")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${script})
endfunction()
