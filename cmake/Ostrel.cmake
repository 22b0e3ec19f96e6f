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

# Embeds FILE in `target` as module resource (TYPE, NAME); NAME "#1" is resource number 1.
# Windows: a real resource compiled by windres. POSIX: the exported symbols
# ostrel_rsrc_<TYPE>_<NAME> (bytes) and ostrel_rsrc_<TYPE>_<NAME>_size (uint32_t count).
function(ostrel_add_resource target type name file)
    string(REGEX REPLACE "^#" "" id "${name}")
    string(REGEX REPLACE "[^A-Za-z0-9_]" "_" symbol "ostrel_rsrc_${type}_${id}")
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_${symbol})
    if(WIN32)
        file(WRITE ${out}.rc "${id} ${type} \"${file}\"\n")
        target_sources(${target} PRIVATE ${out}.rc)
        set_source_files_properties(${out}.rc PROPERTIES OBJECT_DEPENDS ${file})
    else()
        add_custom_command(OUTPUT ${out}.cpp
            COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out}.cpp -DSYMBOL=${symbol}
                    -P ${CMAKE_SOURCE_DIR}/cmake/EmbedResource.cmake
            DEPENDS ${file} ${CMAKE_SOURCE_DIR}/cmake/EmbedResource.cmake VERBATIM)
        target_sources(${target} PRIVATE ${out}.cpp)
    endif()
endfunction()
