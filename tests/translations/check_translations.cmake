# cmake -DLUPDATE=... -DARGUMENTS=... -DTS_FILE=... -DCOPY=... -P check_translations.cmake
file(READ ${TS_FILE} committed)
foreach(state unfinished vanished obsolete)
  string(FIND "${committed}" "type=\"${state}\"" found)
  if(NOT found EQUAL -1)
    message(FATAL_ERROR "${TS_FILE} holds an entry marked ${state}: run the update_translations target and translate it.")
  endif()
endforeach()

configure_file(${TS_FILE} ${COPY} COPYONLY)
execute_process(COMMAND ${LUPDATE} ${ARGUMENTS} -ts ${COPY} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${errors}")
endif()
file(READ ${COPY} updated)
if(NOT updated STREQUAL committed)
  message(FATAL_ERROR "The sources' texts differ from ${TS_FILE}: run the update_translations target, "
                      "translate what it marks unfinished, and commit the file.")
endif()
