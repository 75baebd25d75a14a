# Checks the release archive (cmake -P; see release.cmake): it holds exactly
# the two programs of this build, byte for byte, the read-me of this version
# with the key reference, no line of it wider than 76 columns, which names no
# file the archive does not hold, and checksums that match what it holds. The
# read-me and the checksums have Windows line ends (CR LF) throughout.
cmake_minimum_required(VERSION 3.25)  # the policies of the build, for a script run on its own
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

# Every line of the two text files ends with CR LF: Notepad before Windows 10
# version 1809 shows a bare LF as no line end at all. file(READ) without HEX
# reads CR LF as \n, so the bytes are looked at: a line feed (0a) whose byte
# before is not a carriage return (0d) fails.
foreach(name READ-ME.txt SHA256SUMS)
    file(READ ${SCRATCH}/${name} bytes HEX)
    string(REGEX REPLACE "(..)" "\\1 " bytes "${bytes}")  # "0d 0a 41 ..."
    if(bytes MATCHES "^0a |([^0].|0[^d]) 0a ")
        fail("${name} has a line that does not end with CR LF")
    endif()
endforeach()

set(expected "")
foreach(name corvaset.exe corvaset-dat.exe READ-ME.txt)
    file(SHA256 ${SCRATCH}/${name} hash)
    string(APPEND expected "${hash}  ${name}\r\n")
endforeach()
string(HEX "${expected}" expected)
file(READ ${SCRATCH}/SHA256SUMS sums HEX)  # byte for byte, the CRs too
if(NOT sums STREQUAL expected)
    fail("SHA256SUMS does not match the files it names, a line each in the form \"HASH  NAME\" with CR LF")
endif()

file(READ ${SCRATCH}/READ-ME.txt readme)  # line ends read as \n
foreach(text "Corvaset ${VERSION}\n" "\nUsing it\n" "\nRequirements\n" "\nThe file format, record by record\n"
             "\nEvery key\n" "\n72 \"PollingPeriod\" " "\"make DESCRIPTION -o FILE\"")
    string(FIND "${readme}" "${text}" at)
    if(at EQUAL -1)
        fail("READ-ME.txt lacks \"${text}\"")
    endif()
endforeach()

# No line is wider than 76 columns (the read-me is ASCII: a byte a column),
# the examples' lines included.
string(REPEAT "[^\n]" 77 too_wide)
if(readme MATCHES "(^|\n)(${too_wide}[^\n]*)")
    fail("READ-ME.txt has a line wider than 76 columns: \"${CMAKE_MATCH_2}\"")
endif()

# The read-me names no file the archive does not hold. Every word that could
# name a file is looked at (runs of letters, digits and . _ - / \, a
# sentence's full stop dropped): a path into the source tree (one of its
# folders, or build/ or dist/, then a slash) or a name that ends like the
# tree's source, script, resource, picture or document files is refused,
# unless it is one of the archive's own.
file(GLOB tree_entries RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
set(folders build dist)
foreach(entry ${tree_entries})
    if(IS_DIRECTORY ${SOURCE_DIR}/${entry})
        string(REPLACE "." "[.]" entry "${entry}")  # .ci, .git
        list(APPEND folders ${entry})
    endif()
endforeach()
list(JOIN folders "|" folders)
set(file_ending "[.](cpp|h|rc|md|png|ico|sh|py|cmake|manifest|txt|exe|dll)")
string(REPLACE "\\" "/" words "${readme}")  # either slash; a backslash would escape the list's ;
string(REGEX REPLACE "[^A-Za-z0-9_./-]+" ";" words "${words}")
list(FILTER words INCLUDE REGEX "/|${file_ending}[.]*$")
foreach(word ${words})
    string(REGEX REPLACE "[.]+$" "" word "${word}")
    if(word MATCHES "^(${folders})/")
        fail("READ-ME.txt names ${word}, a path into the source tree, which the archive does not hold")
    endif()
    if(word MATCHES "${file_ending}$" AND NOT word MATCHES "^(corvaset[.]exe|corvaset-dat[.]exe|READ-ME[.]txt)$")
        fail("READ-ME.txt names ${word}, a file the archive does not hold")
    endif()
endforeach()
file(REMOVE_RECURSE ${SCRATCH})
