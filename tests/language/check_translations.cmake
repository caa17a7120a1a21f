# Fails when the translation sources are behind the program's sources: lupdate is
# run over src/ into copies of the .ts files, and every entry left unfinished (a
# text nobody translated) or vanished (a translation of a text that is gone) is
# listed. The fix is scripts/update-translations.sh, then translating what it
# marks unfinished.
#
# cmake -DLUPDATE=... -DSOURCE_DIR=<src> -DWORK_DIR=<scratch> -DTS_FILES=<a;b> -P check_translations.cmake
foreach(var LUPDATE SOURCE_DIR WORK_DIR TS_FILES)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(copies)
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name "${ts}" NAME)
    configure_file("${ts}" "${WORK_DIR}/${name}" COPYONLY)
    list(APPEND copies "${WORK_DIR}/${name}")
endforeach()

execute_process(
    COMMAND "${LUPDATE}" -locations none -recursive "${SOURCE_DIR}" -ts ${copies}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${output}")
endif()

set(problems)
foreach(copy IN LISTS copies)
    get_filename_component(name "${copy}" NAME)
    file(STRINGS "${copy}" lines ENCODING UTF-8)
    set(context "")
    set(source "")
    foreach(line IN LISTS lines)
        if(line MATCHES "<name>(.*)</name>")
            set(context "${CMAKE_MATCH_1}")
        elseif(line MATCHES "<source>(.*)</source>")
            set(source "${CMAKE_MATCH_1}")
        elseif(line MATCHES "<translation type=\"(unfinished|vanished|obsolete)\"")
            list(APPEND problems "${name}: ${CMAKE_MATCH_1} ${context} \"${source}\"")
        endif()
    endforeach()
endforeach()

if(problems)
    list(LENGTH problems count)
    list(JOIN problems "\n  " listing)
    message(FATAL_ERROR "${count} translation entries out of date "
                        "(run scripts/update-translations.sh and translate):\n  ${listing}")
endif()
message(STATUS "Translations complete: ${TS_FILES}")
