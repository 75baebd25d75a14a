# corvaset-dat, the command-line companion: show, check, diff and make
# customization files. Built natively (with its tests and fuzz targets) and
# as a static Windows console program from the same sources.

set(TOOL_SOURCES
    tool/cli.cpp
    tool/show.cpp
    tool/check.cpp
    tool/diff.cpp
    tool/make.cpp
    tool/load.cpp
    tool/file_read.cpp)

# Files are opened, examined and replaced by the platform's own calls.
if(WIN32)
    set(TOOL_PLATFORM windows)
else()
    set(TOOL_PLATFORM posix)
endif()

add_library(corvaset_tool STATIC ${TOOL_SOURCES} tool/file_io_${TOOL_PLATFORM}.cpp)
target_link_libraries(corvaset_tool PUBLIC corvaset_custom $<$<BOOL:${WIN32}>:corvaset_win32>
                      PRIVATE corvaset_warnings)
target_compile_definitions(corvaset_tool PRIVATE CORVASET_VERSION="${CORVASET_VERSION}")

add_executable(corvaset-dat tool/main.cpp)
target_link_libraries(corvaset-dat PRIVATE corvaset_tool corvaset_warnings)

# The round trips, exit codes and odd files, on the program itself.
add_test(NAME tool.cli
    COMMAND ${CMAKE_SOURCE_DIR}/tests/tool/cli-test.sh "$<$<BOOL:${WIN32}>:wine>" $<TARGET_FILE:corvaset-dat>
            ${CMAKE_SOURCE_DIR}/tests/tool/data ${CMAKE_BINARY_DIR}/tool-cli)

if(WIN32)
    # UTF-16 arguments (wmain), static runtime, compiled for size and stripped
    # as corvaset.exe is. The runtime's own terminate handler stays: on a
    # console its words about an uncaught exception can be read.
    target_link_options(corvaset-dat PRIVATE -municode ${CORVASET_LTO_LINK} ${CORVASET_SHIP_LINK_OPTIONS})
    corvaset_for_size(corvaset_tool)
    corvaset_for_size(corvaset-dat)
    add_test(NAME tool.exe_imports COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-exe.sh console $<TARGET_FILE:corvaset-dat>
                                            ${CORVASET_DAT_MAX_BYTES})
    return()
endif()

target_compile_options(corvaset_tool PRIVATE ${SANITIZERS})
corvaset_sanitize(corvaset-dat)

corvaset_native_tests(corvaset_tool_tests tool corvaset_tool
    tests/tool/commands_test.cpp)

# --- fuzz targets -----------------------------------------------------------
# libFuzzer needs clang; the project itself builds with g++, so the targets
# are compiled by clang++ directly from the same sources.
find_program(CLANGXX NAMES clang++ clang++-14)
set(FUZZ_DIR ${CMAKE_BINARY_DIR}/fuzz)
get_target_property(FUZZ_CORE_SOURCES corvaset_custom SOURCES)
list(TRANSFORM FUZZ_CORE_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
file(GLOB FUZZ_HEADERS ${CMAKE_SOURCE_DIR}/custom/*.h)
set(FUZZ_SECONDS 20 CACHE STRING "How long each fuzz target runs as a test")

foreach(target fuzz_file fuzz_description)
    if(NOT CLANGXX)
        add_test(NAME tool.${target} COMMAND sh -c "echo 'clang++ not found: scripts/install-deps.sh installs it' >&2; exit 1")
        continue()
    endif()
    set(binary ${FUZZ_DIR}/${target})
    add_custom_command(OUTPUT ${binary}
        COMMAND ${CLANGXX} -std=c++20 -g -O1 -Wall -Wextra -Werror
                -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
                -I${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests/fuzz/${target}.cpp ${FUZZ_CORE_SOURCES} -o ${binary}
        DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/${target}.cpp ${FUZZ_CORE_SOURCES} ${FUZZ_HEADERS}
        COMMENT "Building ${target} with clang++ and libFuzzer"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${binary})
    # New inputs go to a scratch corpus in the build folder; the seeds stay as checked in.
    file(MAKE_DIRECTORY ${FUZZ_DIR}/${target}-corpus)
    add_test(NAME tool.${target}
        COMMAND ${binary} -max_total_time=${FUZZ_SECONDS} -timeout=10 -rss_limit_mb=1024
                -artifact_prefix=${FUZZ_DIR}/${target}- ${FUZZ_DIR}/${target}-corpus
                ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${target})
endforeach()
