# Installs into a fresh prefix, starts the driver from <prefix>/bin in another
# folder, clicks each page button and checks that every page opens from
# <prefix>/share/brelo/doc.
set(prefix ${WORK_DIR}/prefix)
set(elsewhere ${WORK_DIR}/elsewhere)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${elsewhere})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()
file(COPY ${DRIVER} DESTINATION ${prefix}/bin)
get_filename_component(driver_name ${DRIVER} NAME)

set(pages Cmdpageaide breloaide.htm Cmdpage1 construbrelo.htm Cmdpage2 brelo1.htm Cmdpage3 brelo2.htm)
set(script "tab 1\n")
set(expected)
while(pages)
  list(POP_FRONT pages button page)
  string(APPEND script "click ${button}\ndump\n")
  list(APPEND expected ${page})
endwhile()
file(WRITE ${WORK_DIR}/script.txt "${script}")

# French, whatever the desktop's language; then English, which needs the installed translation.
set(french ${CMAKE_COMMAND} -E env --unset=LANGUAGE --unset=LC_ALL --unset=LC_MESSAGES LANG=C.UTF-8)
set(english ${CMAKE_COMMAND} -E env --unset=LANGUAGE --unset=LC_ALL --unset=LC_MESSAGES LANG=en_US.UTF-8)
execute_process(COMMAND ${french} ${prefix}/bin/${driver_name} --cwd ${elsewhere}
  INPUT_FILE ${WORK_DIR}/script.txt
  RESULT_VARIABLE status OUTPUT_VARIABLE dumps ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "brelo-drive failed: ${errors}")
endif()

# One viewer object per dump; the whole dumps hold brackets that CMake lists mishandle.
string(REGEX MATCHALL "\"WebBrowser1\":{[^}]*}" viewers "${dumps}")
list(LENGTH expected count)
list(LENGTH viewers dumped)
if(NOT dumped EQUAL count)
  message(FATAL_ERROR "expected ${count} dumps, got ${dumped}")
endif()
foreach(page IN ZIP_LISTS expected viewers)
  string(JSON address GET "{${page_1}}" WebBrowser1 address)
  string(JSON title GET "{${page_1}}" WebBrowser1 title)
  if(NOT address STREQUAL "${prefix}/share/brelo/doc/${page_0}")
    message(FATAL_ERROR "${page_0} opened from ${address}")
  endif()
  if(title STREQUAL "" OR title STREQUAL "Page introuvable")
    message(FATAL_ERROR "${page_0} shows \"${title}\"")
  endif()
  message(STATUS "${page_0}: ${title}")
endforeach()

file(WRITE ${WORK_DIR}/english.txt "tab 1\nclick Cmdpageaide\ndump\n")
execute_process(COMMAND ${english} ${prefix}/bin/${driver_name} --cwd ${elsewhere}
  INPUT_FILE ${WORK_DIR}/english.txt
  RESULT_VARIABLE status OUTPUT_VARIABLE dumps ERROR_VARIABLE errors)
string(REGEX MATCH "\"WebBrowser1\":{[^}]*}" viewer "${dumps}")
string(REGEX MATCH "\"SSTab1\":{[^}]*}" tabs "${dumps}")
if(NOT status EQUAL 0 OR NOT viewer MATCHES "share/brelo/doc/breloaide_en.htm\"" OR NOT tabs MATCHES "HTML Docs")
  message(FATAL_ERROR "in English, the installed program shows ${viewer} and ${tabs}: ${errors}")
endif()
message(STATUS "English: ${viewer}")
