# Project-wide warning policy; applied per target so third-party sources keep their own flags.
function(ostrel_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# One gtest binary registered as one ctest test; the binary prints its own gtest summary.
# Under the windows build the test runs through the Wine emulator.
function(ostrel_test name)
    cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    ostrel_target(${name})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock_main)
    add_test(NAME ${name} COMMAND ${name})
    set(labels ${T_LABEL})
    if(WIN32)
        list(APPEND labels windows)
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${labels}" TIMEOUT 600)
endfunction()
