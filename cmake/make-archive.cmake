# Makes the release archive (cmake -P; see release.cmake). The files are
# staged in STAGE, named as in the archive, which holds no folders.
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE})
file(COPY_FILE ${EXE} ${STAGE}/corvaset.exe)
file(COPY_FILE ${DAT_EXE} ${STAGE}/corvaset-dat.exe)
# The read-me: the README's sections for makers, then the records and keys.
execute_process(COMMAND ${PYTHON3} ${SOURCE_DIR}/scripts/readme-text.py ${SOURCE_DIR}/README.md ${VERSION}
                        ${STAGE}/READ-ME.txt ${SOURCE_DIR}/docs/keys.md
                COMMAND_ERROR_IS_FATAL ANY)

set(files corvaset.exe corvaset-dat.exe READ-ME.txt)
set(sums "")
foreach(name ${files})
    file(SHA256 ${STAGE}/${name} hash)
    # The form sha256sum -c reads, with Windows line ends like the read-me's.
    string(APPEND sums "${hash}  ${name}\r\n")
endforeach()
file(WRITE ${STAGE}/SHA256SUMS "${sums}")

get_filename_component(folder ${ARCHIVE} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(REMOVE ${ARCHIVE})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ARCHIVE} --format=zip ${files} SHA256SUMS
                WORKING_DIRECTORY ${STAGE}
                COMMAND_ERROR_IS_FATAL ANY)
