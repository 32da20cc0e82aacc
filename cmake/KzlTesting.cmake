# kzl_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>] [TIMEOUT <s>]
#               [QT_APP])
# One GoogleTest executable per unit, run headless by CTest. QT_APP runs the tests inside a
# QApplication (tests/support/QtTestMain.cpp).
find_package(GTest)

function(kzl_add_test name)
    cmake_parse_arguments(T "QT_APP" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    if(T_QT_APP)
        target_link_libraries(${name} PRIVATE kzl_qt_test_main)
    endif()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        LABELS "${T_LABELS}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
endfunction()
