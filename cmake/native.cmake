# Native build: the core and its unit tests under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set(SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

# Builds and links a target under the sanitizers.
function(corvaset_sanitize target)
    target_compile_options(${target} PRIVATE ${SANITIZERS})
    target_link_options(${target} PRIVATE ${SANITIZERS})
endfunction()

target_compile_options(corvaset_custom PRIVATE ${SANITIZERS})

add_executable(corvaset_core_tests
    tests/core/entry_table_test.cpp
    tests/core/custom_file_test.cpp
    tests/core/level_scale_test.cpp)
corvaset_sanitize(corvaset_core_tests)
target_link_libraries(corvaset_core_tests PRIVATE corvaset_custom corvaset_warnings GTest::gtest_main)
gtest_discover_tests(corvaset_core_tests TEST_PREFIX "core.")
