# Makes the release files from a built lunadesk.exe, in OUT_DIR:
#   Lunadesk-<VERSION>-portable.zip  lunadesk.exe, README.txt and LICENSE
#   Lunadesk-<VERSION>-setup.exe     the per-user installer of the same three files
# cmake -DVERSION=1.0.0 -DEXE=lunadesk.exe -DSOURCE_DIR=<repository> -DICON=lunadesk.ico
#       -DOUT_DIR=<folder> -DMAKENSIS=makensis -P package.cmake
foreach(input VERSION EXE SOURCE_DIR ICON OUT_DIR MAKENSIS)
    if(NOT ${input})
        message(FATAL_ERROR "package.cmake needs -D${input}=...")
    endif()
endforeach()

set(name Lunadesk-${VERSION})
set(stage ${OUT_DIR}/package/${name})
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})
file(COPY_FILE ${EXE} ${stage}/lunadesk.exe)

# The texts for Notepad: CRLF lines, and a byte-order mark, without which the Notepad of
# older Windows reads UTF-8 in the system's code page.
string(ASCII 239 187 191 bom)
foreach(text installer/README.txt LICENSE)
    get_filename_component(file ${text} NAME)
    configure_file(${SOURCE_DIR}/${text} ${stage}/${file}.lf @ONLY)
    file(READ ${stage}/${file}.lf content)
    file(REMOVE ${stage}/${file}.lf)
    string(REPLACE "\n" "\r\n" content "${content}")
    file(WRITE ${stage}/${file} "${bom}${content}")
endforeach()

set(zip ${OUT_DIR}/${name}-portable.zip)
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip lunadesk.exe README.txt
                        LICENSE
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)

execute_process(COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${VERSION} -DSTAGE=${stage}
                        -DICON=${ICON} -DOUTFILE=${OUT_DIR}/${name}-setup.exe
                        ${SOURCE_DIR}/installer/lunadesk.nsi
                COMMAND_ERROR_IS_FATAL ANY)
