# velmora_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [QT] [MAIN lib])
# Adds a GoogleTest executable and registers its tests with CTest. NAME is
# velmora_<folder>_test or velmora_<folder>_<topic>_test, <folder> being the
# test folder under tests/ with "_" for "/" (velmora_tools_dosbatch_test), so
# that a program's name says where its tests are.
# QT: the test links the support main that creates a QApplication on the
# offscreen platform; MAIN names another library that holds main();
# otherwise GoogleTest's own main is used.
# Test programs are built outside the application folder so that they never
# mix with the programs that the job scripts run.
function(velmora_add_test name)
    cmake_parse_arguments(ARG "QT" "MAIN" "SOURCES;LIBS" ${ARGN})
    file(RELATIVE_PATH dir ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
    string(REPLACE "/" "_" folder "${dir}")
    if(NOT name MATCHES "^velmora_${folder}(_[a-z0-9_]+)?_test$")
        message(FATAL_ERROR "Test program ${name} in tests/${dir}: "
            "name it velmora_${folder}_test or velmora_${folder}_<topic>_test")
    endif()
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_MAIN)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${ARG_MAIN})
    elseif(ARG_QT)
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} velmora_qt_test_main)
    else()
        target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    endif()
    target_compile_definitions(${name} PRIVATE
        VELMORA_APP_DIR="${VELMORA_APP_DIR}"
        VELMORA_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
