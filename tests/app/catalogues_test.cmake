# The catalogues are complete: lupdate over the sources finds no text they lack, and lrelease
# finds every message translated, none of them left as its English source unless a translator
# marked it the same in that language (<translatorcomment>same as the English</translatorcomment>,
# as Italian "File"); each translation keeps its source's placeholders (%1...), and no two long
# texts share one translation (one number's paragraph given another's). Works on copies, so the catalogues themselves stay as they are.
#   cmake -DLUPDATE=... -DLRELEASE=... -DSOURCE_DIR=<src> -DWORK_DIR=<dir> -DCATALOGUES=<a;b>
#         -P catalogues_test.cmake
cmake_minimum_required(VERSION 3.21)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(problems "")
foreach(catalogue ${CATALOGUES})
    get_filename_component(name ${catalogue} NAME)
    set(copy ${WORK_DIR}/${name})
    file(COPY_FILE ${catalogue} ${copy})
    execute_process(COMMAND ${LUPDATE} -no-obsolete -locations none ${SOURCE_DIR} -ts ${copy}
                    OUTPUT_VARIABLE found ERROR_VARIABLE found RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT found MATCHES "\\(0 new and" OR found MATCHES "obsolete")
        string(APPEND problems "${name}: lupdate finds what the catalogue lacks or no longer "
                               "needs; run the update_translations target:\n${found}\n")
    endif()
    execute_process(COMMAND ${LRELEASE} ${catalogue} -qm ${WORK_DIR}/${name}.qm
                    OUTPUT_VARIABLE made ERROR_VARIABLE made RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT made MATCHES " 0 unfinished\\)" OR made MATCHES "untranslated")
        string(APPEND problems "${name}: messages left untranslated:\n${made}\n")
    endif()
    file(READ ${catalogue} text)
    string(REPLACE ";" "," text "${text}") # the list splits at the ends of messages only
    string(REPLACE "</message>" ";" messages "${text}")
    # Each translation keeps its source's placeholders, and no two paragraphs share one.
    set(paragraphs "")
    foreach(message IN LISTS messages)
        if(NOT message MATCHES "<source>(.*)</source>.*<translation>(.*)</translation>")
            continue()
        endif()
        set(source "${CMAKE_MATCH_1}")
        set(translation "${CMAKE_MATCH_2}")
        if(source STREQUAL translation AND NOT message MATCHES "same as the English")
            string(APPEND problems "${name}: left in English: ${source}\n")
        endif()
        string(REGEX MATCHALL "%[0-9]" wanted "${source}")
        string(REGEX MATCHALL "%[0-9]" kept "${translation}")
        list(SORT wanted)
        list(SORT kept)
        if(NOT wanted STREQUAL kept)
            string(APPEND problems "${name}: placeholders ${wanted} became ${kept}: ${source}\n")
        endif()
        string(LENGTH "${translation}" length)
        string(MD5 key "${translation}")
        if(length GREATER 80 AND key IN_LIST paragraphs)
            string(APPEND problems "${name}: another paragraph already reads: ${translation}\n")
        endif()
        list(APPEND paragraphs ${key})
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "${problems}")
endif()
