# Run by zrx_compile_help (cmake -P): stages one help project and compiles it.
# SOURCE_DIR, PICTURE_DIR, STAGE_DIR, CHARSET, CHMCMD, ICONV, OUTPUT.
file(REMOVE_RECURSE "${STAGE_DIR}")
file(MAKE_DIRECTORY "${STAGE_DIR}/images")
file(GLOB sources "${SOURCE_DIR}/*")

set(project_file "")
foreach(source ${sources})
    get_filename_component(file_name "${source}" NAME)
    get_filename_component(extension "${source}" LAST_EXT)
    string(TOLOWER "${extension}" extension)
    if(extension MATCHES "^\\.(hhc|hhk|hhp)$")
        # The sitemaps say which charset they are in; they go over in it.
        file(READ "${source}" text)
        string(REGEX REPLACE "charset=[Uu][Tt][Ff]-8" "charset=${CHARSET}" text "${text}")
        file(WRITE "${STAGE_DIR}/${file_name}.utf8" "${text}")
        execute_process(
            COMMAND "${ICONV}" -f UTF-8 -t "${CHARSET}" -o "${STAGE_DIR}/${file_name}"
                    "${STAGE_DIR}/${file_name}.utf8"
            RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "${source}: a character has no place in ${CHARSET}")
        endif()
        file(REMOVE "${STAGE_DIR}/${file_name}.utf8")
        if(extension STREQUAL ".hhp")
            set(project_file "${file_name}")
        endif()
    else()
        file(COPY "${source}" DESTINATION "${STAGE_DIR}")
    endif()
    # Every picture a page shows comes from docs/.
    if(extension MATCHES "^\\.html?$")
        file(STRINGS "${source}" lines REGEX "images/")
        string(REGEX MATCHALL "images/[A-Za-z0-9_.-]+\\.png" pictures "${lines}")
        foreach(picture ${pictures})
            string(REPLACE "images/" "" picture_name "${picture}")
            if(NOT EXISTS "${PICTURE_DIR}/${picture_name}")
                message(FATAL_ERROR "${source}: no picture ${PICTURE_DIR}/${picture_name}")
            endif()
            file(COPY "${PICTURE_DIR}/${picture_name}" DESTINATION "${STAGE_DIR}/images")
        endforeach()
    endif()
endforeach()
if(NOT project_file)
    message(FATAL_ERROR "${SOURCE_DIR}: no .hhp project")
endif()

execute_process(COMMAND "${CHMCMD}" --verbosity 1 "${project_file}"
    WORKING_DIRECTORY "${STAGE_DIR}" RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB compiled "${STAGE_DIR}/*.chm")
if(failed OR NOT compiled)
    message(FATAL_ERROR "chmcmd failed on ${SOURCE_DIR}:\n${log}")
endif()
file(COPY_FILE "${compiled}" "${OUTPUT}")
