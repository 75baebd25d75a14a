# Native build: the core and its unit tests under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set(SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# Builds and links a target under the sanitizers.
function(corvaset_sanitize target)
    target_compile_options(${target} PRIVATE ${SANITIZERS})
    target_link_options(${target} PRIVATE ${SANITIZERS})
endfunction()

# A GoogleTest program of `library`'s tests under the sanitizers, its tests
# named PREFIX.Suite.Case.
function(corvaset_native_tests target prefix library)
    add_executable(${target} ${ARGN})
    corvaset_sanitize(${target})
    target_link_libraries(${target} PRIVATE ${library} corvaset_warnings GTest::gtest_main)
    gtest_discover_tests(${target} TEST_PREFIX "${prefix}.")
endfunction()

target_compile_options(corvaset_custom PRIVATE ${SANITIZERS})

corvaset_native_tests(corvaset_core_tests core corvaset_custom
    tests/core/entry_table_test.cpp
    tests/core/custom_file_test.cpp
    tests/core/level_scale_test.cpp
    tests/core/entry_meaning_test.cpp
    tests/core/value_rules_test.cpp
    tests/core/file_check_test.cpp
    tests/core/value_text_test.cpp
    tests/core/description_test.cpp
    tests/core/session_files_test.cpp
    tests/core/control_help_test.cpp
    tests/core/settings_test.cpp)
