# Checks the release archive (cmake -P; see release.cmake): it holds exactly
# the two programs of this build, byte for byte, the read-me of this version
# and checksums that match what it holds.
function(fail message)
    message(FATAL_ERROR "${ARCHIVE}: ${message}")
endfunction()

if(NOT EXISTS ${ARCHIVE})
    fail("missing: scripts/package.sh makes it")
endif()
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ARCHIVE} WORKING_DIRECTORY ${SCRATCH}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    fail("cannot be unpacked")
endif()

file(GLOB held RELATIVE ${SCRATCH} ${SCRATCH}/*)
list(SORT held)
if(NOT held STREQUAL "READ-ME.txt;SHA256SUMS;corvaset-dat.exe;corvaset.exe")
    fail("holds ${held} instead of READ-ME.txt, SHA256SUMS, corvaset-dat.exe, corvaset.exe")
endif()

foreach(pair "corvaset.exe=${EXE}" "corvaset-dat.exe=${DAT_EXE}")
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 name)
    list(GET pair 1 built)
    file(SHA256 ${SCRATCH}/${name} packed)
    file(SHA256 ${built} tested)
    if(NOT packed STREQUAL tested)
        fail("its ${name} is not the one this build made and the tests ran (${built})")
    endif()
endforeach()

set(expected "")
foreach(name corvaset.exe corvaset-dat.exe READ-ME.txt)
    file(SHA256 ${SCRATCH}/${name} hash)
    string(APPEND expected "${hash}  ${name}\n")
endforeach()
file(READ ${SCRATCH}/SHA256SUMS sums)
if(NOT sums STREQUAL expected)
    fail("SHA256SUMS does not match the files it names")
endif()

file(READ ${SCRATCH}/READ-ME.txt readme)  # line ends read as \n
foreach(text "Corvaset ${VERSION}\n" "\nUsing it\n" "\nThe file format, record by record\n"
             "\"make DESCRIPTION -o FILE\"")
    string(FIND "${readme}" "${text}" at)
    if(at EQUAL -1)
        fail("READ-ME.txt lacks \"${text}\"")
    endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
