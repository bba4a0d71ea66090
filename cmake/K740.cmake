# k740_library(name deps... [FOLDER sub/folder] [SUBFOLDERS sub...])
# Makes the static library k740_<name> from every source in src/<folder> and the named subfolders
# of it, when that folder exists.
set(K740_LIBRARIES "" CACHE INTERNAL "")
function(k740_library name)
    cmake_parse_arguments(ARG "" "FOLDER" "SUBFOLDERS" ${ARGN})
    if(NOT ARG_FOLDER)
        set(ARG_FOLDER ${name})
    endif()
    set(dir ${CMAKE_SOURCE_DIR}/src/${ARG_FOLDER})
    set(patterns ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
    foreach(sub ${ARG_SUBFOLDERS})
        list(APPEND patterns ${dir}/${sub}/*.cpp ${dir}/${sub}/*.h)
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${patterns})
    if(NOT sources)
        return()
    endif()
    set(target k740_${name})
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    set(deps "")
    foreach(dep ${ARG_UNPARSED_ARGUMENTS})
        if(TARGET ${dep} OR dep MATCHES "^Qt6::")
            list(APPEND deps ${dep})
        endif()
    endforeach()
    target_link_libraries(${target} PUBLIC Qt6::Core ${deps})
    if(name STREQUAL "platform")
        target_precompile_headers(${target} PUBLIC <QtCore/QString> <QtCore/QByteArray> <QtCore/QList>
                                  <QtCore/QDateTime> <array> <cstdint> <functional> <memory>)
    else()
        target_precompile_headers(${target} REUSE_FROM k740_platform)
    endif()
    set(K740_LIBRARIES ${K740_LIBRARIES} ${target} CACHE INTERNAL "")
endfunction()

# k740_tests(folder deps...)
# Makes the test program test_<folder> from every source in tests/<folder>, labelled <folder>.
function(k740_tests folder)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp
         ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h)
    if(NOT sources)
        return()
    endif()
    set(target test_${folder})
    add_executable(${target} ${sources})
    set(deps "")
    foreach(dep ${ARGN})
        if(TARGET ${dep} OR dep MATCHES "^Qt6::|^GTest::")
            list(APPEND deps ${dep})
        endif()
    endforeach()
    target_link_libraries(${target} PRIVATE ${deps} k740_testsupport GTest::gmock)
    target_precompile_headers(${target} REUSE_FROM k740_platform)
    # A suite named "...AlsKopie" is one half of a test that runs its own program again as a second
    # process (the single-instance test): that process runs it, ctest does not list it on its own.
    # Every test has a deadline of its own: a test that waits for what never comes fails by it instead of
    # holding up the run (a whole-program test's own deadlines run on the virtual clock, which stands
    # still while a window holds the loop). The slowest test takes about 20 s under the sanitizers on a
    # busy machine.
    gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST TEST_FILTER "-*AlsKopie.*"
                         PROPERTIES LABELS ${folder} ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
