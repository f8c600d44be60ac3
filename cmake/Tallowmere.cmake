# Helpers shared by every component's CMakeLists.

# tallowmere_add_test(<name> [TEST_PREFIX <prefix>] SOURCES <files...> LIBRARIES <targets...>)
# One GoogleTest executable whose tests CTest lists one by one, their names led by TEST_PREFIX
# when two programs run the same test sources. The tests run in their own build folder so that
# nothing they write lands in the source tree or the user's home.
function(tallowmere_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "TEST_PREFIX" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest GTest::gmock
                                          GTest::gtest_main)
    gtest_discover_tests(${name} TEST_PREFIX "${arg_TEST_PREFIX}" WORKING_DIRECTORY
                         ${CMAKE_CURRENT_BINARY_DIR} DISCOVERY_TIMEOUT 60)
endfunction()

# tallowmere_export_only(<target> <version-script>)
# Restricts a shared library's dynamic symbol table to the names its version script lists.
function(tallowmere_export_only target script)
    target_link_options(${target} PRIVATE "LINKER:--version-script=${script}")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${script})
endfunction()
