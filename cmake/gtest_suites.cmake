# The GoogleTest suites declared in test sources (TEST and TEST_F), each once, so that every
# suite can be a ctest test of its own; a new suite in a source reconfigures.
function(lunadesk_gtest_suites out)
    set(suites "")
    foreach(source ${ARGN})
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
        file(READ ${source} text)
        string(REGEX MATCHALL "\nTEST(_F)?\\([A-Za-z0-9_]+" declarations "${text}")
        string(REGEX REPLACE "\nTEST(_F)?\\(" "" found "${declarations}")
        list(APPEND suites ${found})
    endforeach()
    list(REMOVE_DUPLICATES suites)
    set(${out} ${suites} PARENT_SCOPE)
endfunction()
