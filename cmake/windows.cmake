# Windows build: corvaset.exe and the tests that run under Wine.
enable_language(RC)

# Every program of this build (here and in tool.cmake, which comes later)
# carries the C and C++ runtimes inside, so that it imports only Windows' own
# DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)
# The headers say Windows XP (5.1), the oldest Windows the programs run on,
# so that it loads them; the older default 4.0 would be as wrong.
add_link_options(-Wl,--major-os-version,5,--minor-os-version,1,--major-subsystem-version,5,--minor-subsystem-version,1)

# A program that starts threads of its own (the tests) is compiled and
# linked by the posix-thread build of the compiler (cmake/posix-threads.sh);
# the libraries it links stay as the shipped programs have them.
function(corvaset_with_posix_threads)
    set_target_properties(${ARGN} PROPERTIES
        C_COMPILER_LAUNCHER ${CMAKE_SOURCE_DIR}/cmake/posix-threads.sh
        CXX_COMPILER_LAUNCHER ${CMAKE_SOURCE_DIR}/cmake/posix-threads.sh
        CXX_LINKER_LAUNCHER ${CMAKE_SOURCE_DIR}/cmake/posix-threads.sh)
endfunction()
corvaset_with_posix_threads(gtest gtest_main)

# The shipped programs' own code (the libraries and the programs, here and
# in tool.cmake) is compiled for size, each function in a section of its own
# so that the link can leave out what nothing calls: its speed is the
# system's (the dialog's start-up is spent in window calls, scripts/bench.sh).
# Both programs run on one thread, so a function's static is initialised
# without the runtime's lock, which would bring in the threads library.
function(corvaset_for_size target)
    target_compile_options(${target} PRIVATE -Os -ffunction-sections -fdata-sections -flto -ffat-lto-objects
                           -fno-threadsafe-statics)
endfunction()
# The shipped programs link their code as one link-time optimised whole; the
# objects also carry plain code, which the test programs link without it
# (their own objects do not mix with link-time optimised ones).
# One partition: GCC 12 splits the whole into several by default, and on
# this code that split stops with an internal compiler error (in
# binds_to_current_def_p, a known fault of its mingw builds with -Os).
set(CORVASET_LTO_LINK -flto=auto -Os -flto-partition=one)
function(corvaset_without_lto target)
    target_link_options(${target} PRIVATE -fno-use-linker-plugin)
endfunction()
corvaset_for_size(corvaset_custom)

# The size budgets of the shipped programs, in bytes: the tests hold the
# programs to them and scripts/bench.sh reports them.
set(CORVASET_EXE_MAX_BYTES 256000 CACHE INTERNAL "corvaset.exe's size budget: 256 KB")
set(CORVASET_DAT_MAX_BYTES 400000 CACHE INTERNAL "corvaset-dat.exe's size budget: 400 KB")

# How the shipped programs are linked: stripped, with the sections nothing
# refers to left out.
set(CORVASET_SHIP_LINK_OPTIONS -s -Wl,--gc-sections)

# What both programs need from Windows without a window (win32/): files,
# error texts, text conversion and system DLLs loaded on first use, on
# kernel32 alone. Everything is compiled for Windows XP: the headers refuse
# a newer function, which is looked up at run time (win32/system_library.h).
# The command-line tool links this and nothing of the framework.
add_library(corvaset_win32 STATIC
    win32/command_line.cpp
    win32/file.cpp
    win32/file_read.cpp
    win32/memory.cpp
    win32/system_library.cpp
    win32/text.cpp)
target_include_directories(corvaset_win32 PUBLIC ${CMAKE_SOURCE_DIR})
set(CORVASET_WINDOWS_VERSION _WIN32_WINNT=0x0501 WINVER=0x0501)
target_compile_definitions(corvaset_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN ${CORVASET_WINDOWS_VERSION})
target_link_libraries(corvaset_win32 PRIVATE corvaset_warnings)
corvaset_for_size(corvaset_win32)

# The framework (framework/): windows, dialogs and controls, for corvaset.exe.
add_library(corvaset_framework STATIC
    framework/accessible_name.cpp
    framework/app.cpp
    framework/clipboard.cpp
    framework/dialog.cpp
    framework/message_map.cpp
    framework/dialog_scroller.cpp
    framework/dialog_template.cpp
    framework/keyboard.cpp
    framework/sender_check.cpp
    framework/shell.cpp
    framework/file_dialogs.cpp
    framework/tooltips.cpp
    framework/wnd.cpp)
target_link_libraries(corvaset_framework PUBLIC corvaset_win32 comctl32 PRIVATE corvaset_warnings)
# The accessible object hands each call to the system's object behind the same
# interface: guessing that object is our own and inlining that guess into
# itself only makes the file many times larger.
set_source_files_properties(framework/accessible_name.cpp PROPERTIES COMPILE_OPTIONS -fno-devirtualize-speculatively)
corvaset_for_size(corvaset_framework)

add_library(corvaset_dialog STATIC
    dialog/corvaset_dlg.cpp
    dialog/accessible_names.cpp
    dialog/save.cpp
    dialog/open_file.cpp
    dialog/message_table.cpp
    dialog/view.cpp
    dialog/handlers.cpp
    dialog/control_help.cpp
    dialog/changes_dlg.cpp)
target_link_libraries(corvaset_dialog PUBLIC corvaset_framework corvaset_custom PRIVATE corvaset_warnings)
corvaset_for_size(corvaset_dialog)

# The application's own dialogs beside the settings dialog: the About box.
add_library(corvaset_app STATIC app/about_dlg.cpp)
target_link_libraries(corvaset_app PUBLIC corvaset_framework PRIVATE corvaset_warnings)
corvaset_for_size(corvaset_app)

# The resources, compiled once and linked into the program and its UI tests.
add_library(corvaset_resources OBJECT res/corvaset.rc)
target_include_directories(corvaset_resources PRIVATE ${CMAKE_SOURCE_DIR}/res)
set_source_files_properties(res/corvaset.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/corvaset.ico;${CMAKE_SOURCE_DIR}/res/corvaset.manifest;${CMAKE_SOURCE_DIR}/res/resource.h")

add_executable(corvaset WIN32
    app/main.cpp
    app/corvaset_app.cpp
    app/library_errors.cpp
    $<TARGET_OBJECTS:corvaset_resources>)
target_link_libraries(corvaset PRIVATE corvaset_app corvaset_dialog corvaset_warnings)
# std::terminate's default handler names an uncaught exception on standard
# error before it aborts, and carries a 46 KB C++ name demangler for that; a
# GUI program has no standard error to show it on, so its handler is abort
# itself. (The dialog procedure catches every exception of a handler, so
# none gets that far.)
target_link_options(corvaset PRIVATE -mwindows -municode ${CORVASET_LTO_LINK} ${CORVASET_SHIP_LINK_OPTIONS}
    -Wl,--defsym,__ZN9__gnu_cxx27__verbose_terminate_handlerEv=_abort)
corvaset_for_size(corvaset)

# --- tests under Wine -------------------------------------------------------

add_library(corvaset_test_support STATIC tests/support/win_test_support.cpp tests/support/save_obstacles.cpp
    tests/support/accessible_text.cpp tests/support/modeless_dialog.cpp)
target_link_libraries(corvaset_test_support PUBLIC corvaset_framework GTest::gtest PRIVATE oleacc ole32 oleaut32
    corvaset_warnings)

add_executable(corvaset_ui_tests
    tests/ui/dialog_test.cpp
    tests/ui/framework_test.cpp
    tests/ui/layout_test.cpp
    tests/ui/save_test.cpp
    tests/ui/refresh_test.cpp
    tests/ui/forged_input_test.cpp
    tests/ui/model_view_test.cpp
    tests/ui/open_file_test.cpp
    tests/ui/fit_test.cpp
    tests/ui/accessibility_test.cpp
    tests/ui/keyboard_test.cpp
    tests/ui/control_help_test.cpp
    tests/ui/message_sequence_test.cpp
    tests/ui/test_templates.rc
    $<TARGET_OBJECTS:corvaset_resources>)
# The About box test opens the application's About box over the dialog.
target_link_libraries(corvaset_ui_tests PRIVATE corvaset_dialog corvaset_app corvaset_test_support GTest::gtest_main
    corvaset_warnings)

set(FULL_DISK_DIR ${CMAKE_BINARY_DIR}/full-disk)
add_test(NAME ui.mount_full_disk COMMAND ${CMAKE_SOURCE_DIR}/tests/ui/full-disk.sh mount ${FULL_DISK_DIR})
add_test(NAME ui.unmount_full_disk COMMAND ${CMAKE_SOURCE_DIR}/tests/ui/full-disk.sh unmount ${FULL_DISK_DIR})
set_tests_properties(ui.mount_full_disk PROPERTIES FIXTURES_SETUP full_disk)
set_tests_properties(ui.unmount_full_disk PROPERTIES FIXTURES_CLEANUP full_disk)

gtest_discover_tests(corvaset_ui_tests
    TEST_PREFIX "ui."
    DISCOVERY_MODE PRE_TEST
    PROPERTIES
        ENVIRONMENT "CORVASET_FULL_DISK_DIR=${FULL_DISK_DIR}"
        FIXTURES_REQUIRED full_disk
        RESOURCE_LOCK desktop)

add_executable(corvaset_e2e_tests
    tests/e2e/user_session_test.cpp
    tests/e2e/codec_source_session_test.cpp
    tests/e2e/editing_session_test.cpp
    tests/e2e/save_failure_session_test.cpp
    tests/e2e/replace_session_test.cpp
    tests/e2e/open_file_session_test.cpp
    tests/e2e/small_screen_session_test.cpp
    tests/e2e/accessibility_session_test.cpp
    tests/e2e/keyboard_session_test.cpp
    tests/e2e/app_driver.cpp)
target_link_libraries(corvaset_e2e_tests PRIVATE corvaset_custom corvaset_test_support GTest::gtest_main corvaset_warnings)

gtest_discover_tests(corvaset_e2e_tests
    TEST_PREFIX "e2e."
    DISCOVERY_MODE PRE_TEST
    PROPERTIES
        ENVIRONMENT "CORVASET_EXE=$<TARGET_FILE:corvaset>"
        ENVIRONMENT_MODIFICATION "CORVASET_FULL_DISK_DIR=set:${FULL_DISK_DIR}"
        FIXTURES_REQUIRED full_disk
        RESOURCE_LOCK desktop)

# The program file itself: PE32, GUI, importing only Windows' own DLLs, within its size budget.
add_test(NAME exe.imports COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-exe.sh gui $<TARGET_FILE:corvaset>
                                   ${CORVASET_EXE_MAX_BYTES})

corvaset_without_lto(corvaset_ui_tests)
corvaset_without_lto(corvaset_e2e_tests)
corvaset_with_posix_threads(corvaset_test_support corvaset_ui_tests corvaset_e2e_tests)

# --- start-up benchmark (scripts/bench.sh; not a test) ----------------------

add_executable(corvaset_bare_dialog WIN32 EXCLUDE_FROM_ALL bench/bare_dialog.cpp $<TARGET_OBJECTS:corvaset_resources>)
target_include_directories(corvaset_bare_dialog PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(corvaset_bare_dialog PRIVATE UNICODE _UNICODE)
target_link_options(corvaset_bare_dialog PRIVATE -mwindows -municode -s)

add_executable(launch_time EXCLUDE_FROM_ALL bench/launch_time.cpp)
target_compile_definitions(launch_time PRIVATE UNICODE _UNICODE)
target_link_options(launch_time PRIVATE -municode)

# The same two programs built to stamp their start-up steps
# (framework/startup_trace.h, implemented by bench/startup_trace.cpp), for
# scripts/startup-breakdown.sh. The program's own libraries are compiled
# once more here with the stamps switched on; the shipped build has none.
get_target_property(TRACED_MAIN_SOURCES corvaset SOURCES)
get_target_property(TRACED_APP_SOURCES corvaset_app SOURCES)
get_target_property(TRACED_DIALOG_SOURCES corvaset_dialog SOURCES)
get_target_property(TRACED_FRAMEWORK_SOURCES corvaset_framework SOURCES)
get_target_property(TRACED_WIN32_SOURCES corvaset_win32 SOURCES)
add_executable(corvaset_traced WIN32 EXCLUDE_FROM_ALL
    ${TRACED_MAIN_SOURCES} ${TRACED_APP_SOURCES} ${TRACED_DIALOG_SOURCES} ${TRACED_FRAMEWORK_SOURCES}
    ${TRACED_WIN32_SOURCES}
    bench/startup_trace.cpp)
target_compile_definitions(corvaset_traced PRIVATE CORVASET_STARTUP_TRACE)
corvaset_for_size(corvaset_traced)
get_target_property(TRACED_LINK_OPTIONS corvaset LINK_OPTIONS)
target_link_options(corvaset_traced PRIVATE ${TRACED_LINK_OPTIONS})
target_link_libraries(corvaset_traced PRIVATE corvaset_custom comctl32 corvaset_warnings)
target_include_directories(corvaset_traced PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(corvaset_traced PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN ${CORVASET_WINDOWS_VERSION})

add_executable(corvaset_bare_dialog_traced WIN32 EXCLUDE_FROM_ALL bench/bare_dialog.cpp bench/startup_trace.cpp
    $<TARGET_OBJECTS:corvaset_resources>)
target_include_directories(corvaset_bare_dialog_traced PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(corvaset_bare_dialog_traced PRIVATE UNICODE _UNICODE CORVASET_STARTUP_TRACE)
target_link_options(corvaset_bare_dialog_traced PRIVATE -mwindows -municode -s)
