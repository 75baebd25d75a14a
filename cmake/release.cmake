# The release archive dist/corvaset-VERSION-win32.zip: corvaset.exe and
# corvaset-dat.exe as this build made them, the read-me for makers (made
# from README.md and docs/keys.md by scripts/readme-text.py) and their
# SHA-256 checksums.
# scripts/package.sh builds it; the test command builds it too and checks
# that it holds the programs the tests ran.
find_program(PYTHON3 python3 REQUIRED)
set(CORVASET_ARCHIVE ${CMAKE_SOURCE_DIR}/dist/corvaset-${CORVASET_VERSION}-win32.zip CACHE INTERNAL
    "The release archive this build makes (read by scripts/package.sh)" FORCE)
add_custom_command(OUTPUT ${CORVASET_ARCHIVE}
    COMMAND ${CMAKE_COMMAND} -DARCHIVE=${CORVASET_ARCHIVE} -DSTAGE=${CMAKE_BINARY_DIR}/archive
            -DEXE=$<TARGET_FILE:corvaset> -DDAT_EXE=$<TARGET_FILE:corvaset-dat> -DVERSION=${CORVASET_VERSION}
            -DPYTHON3=${PYTHON3} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/make-archive.cmake
    DEPENDS corvaset corvaset-dat $<TARGET_FILE:corvaset> $<TARGET_FILE:corvaset-dat> ${CMAKE_SOURCE_DIR}/README.md
            ${CMAKE_SOURCE_DIR}/docs/keys.md ${CMAKE_SOURCE_DIR}/scripts/readme-text.py
            ${CMAKE_SOURCE_DIR}/cmake/make-archive.cmake
    COMMENT "Making ${CORVASET_ARCHIVE}"
    VERBATIM)
add_custom_target(corvaset_archive DEPENDS ${CORVASET_ARCHIVE})

add_test(NAME package.archive_holds_the_tested_programs
    COMMAND ${CMAKE_COMMAND} -DARCHIVE=${CORVASET_ARCHIVE} -DEXE=$<TARGET_FILE:corvaset>
            -DDAT_EXE=$<TARGET_FILE:corvaset-dat> -DVERSION=${CORVASET_VERSION} -DSCRATCH=${CMAKE_BINARY_DIR}/archive-check
            -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/check-archive.cmake)
