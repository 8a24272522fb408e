# gridly_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One Qt Test executable per test folder, run by CTest with the locale and the
# platform pinned so that results do not depend on the machine.
function(gridly_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} gridly_testsupport Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "LC_ALL=C.UTF-8;QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=96"
        TIMEOUT 600)
endfunction()
