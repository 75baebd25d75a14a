# CORVASET_VERSION ("a.b.c.d"): the FILEVERSION of the version record in
# res/corvaset.rc, the one place the version is written. corvaset-dat
# --version prints it and the release archive is named after it.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/corvaset.rc)
file(STRINGS ${CMAKE_SOURCE_DIR}/res/corvaset.rc CORVASET_VERSION REGEX "^ *FILEVERSION ")
string(REGEX REPLACE "^ *FILEVERSION *([0-9]+) *, *([0-9]+) *, *([0-9]+) *, *([0-9]+).*" "\\1.\\2.\\3.\\4"
       CORVASET_VERSION "${CORVASET_VERSION}")
if(NOT CORVASET_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+$")
    message(FATAL_ERROR "res/corvaset.rc: no FILEVERSION a,b,c,d line to take the version from")
endif()
