# The catalogues are complete: lupdate over the sources finds no text they lack, and lrelease
# finds every message translated, none of them left as its English source unless a translator
# marked it the same in that language (<translatorcomment>same as the English</translatorcomment>,
# as Italian "File"). Works on copies, so the catalogues themselves stay as they are.
#   cmake -DLUPDATE=... -DLRELEASE=... -DSOURCE_DIR=<src> -DWORK_DIR=<dir> -DCATALOGUES=<a;b>
#         -P catalogues_test.cmake
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
    foreach(message IN LISTS messages)
        if(NOT message MATCHES "same as the English" AND message MATCHES
           "<source>(.*)</source>.*<translation>(.*)</translation>")
            if(CMAKE_MATCH_1 STREQUAL CMAKE_MATCH_2)
                string(APPEND problems "${name}: left in English: ${CMAKE_MATCH_1}\n")
            endif()
        endif()
    endforeach()
endforeach()
if(problems)
    message(FATAL_ERROR "${problems}")
endif()
