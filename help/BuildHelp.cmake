# Builds the help from the pages in SOURCE:
#   APP_DIR/Aide/       the pages, their style sheet and screenshots
#   APP_DIR/Aide.chm    the same pages compiled by CHMCMD (when given)
# Pages are UTF-8. A paragraph holding a screenshot that does not exist yet
# is left out. "@VERSION@" in a page becomes the program's version. The
# contents and index files become Windows-1252, the code page of a French
# compiled help, which its viewers use for the titles.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/images)

file(GLOB _images RELATIVE ${SOURCE}/images ${SOURCE}/images/*.png)
foreach(_image IN LISTS _images)
  file(COPY ${SOURCE}/images/${_image} DESTINATION ${STAGE}/images)
endforeach()
file(GLOB _styles ${SOURCE}/*.css)
file(COPY ${_styles} DESTINATION ${STAGE})

file(GLOB _pages RELATIVE ${SOURCE} ${SOURCE}/*.html)
foreach(_page IN LISTS _pages)
  file(READ ${SOURCE}/${_page} _text)
  string(REPLACE "@VERSION@" "${VERSION}" _text "${_text}")
  # Screenshot paragraphs are one line each: <p class="capture"><img src="images/NAME.png" ...>...</p>
  string(REGEX MATCHALL "<p class=\"capture\"><img src=\"images/[^\"]+\"[^\n]*</p>\n" _shots "${_text}")
  foreach(_shot IN LISTS _shots)
    string(REGEX REPLACE "^<p class=\"capture\"><img src=\"images/([^\"]+)\".*$" "\\1" _name "${_shot}")
    if(NOT EXISTS ${SOURCE}/images/${_name})
      string(REPLACE "${_shot}" "" _text "${_text}")
    endif()
  endforeach()
  file(WRITE ${STAGE}/${_page} "${_text}")
endforeach()

# The web pages.
file(REMOVE_RECURSE ${APP_DIR}/Aide)
file(COPY ${STAGE}/ DESTINATION ${APP_DIR}/Aide)

if(CHMCMD)
  foreach(_file Aide.hhc Aide.hhk)
    execute_process(COMMAND ${ICONV} -f UTF-8 -t WINDOWS-1252 ${SOURCE}/${_file}
      OUTPUT_FILE ${STAGE}/${_file} RESULT_VARIABLE _rc)
    if(NOT _rc EQUAL 0)
      message(FATAL_ERROR "${_file}: not convertible to Windows-1252")
    endif()
  endforeach()
  file(COPY ${SOURCE}/Aide.hhp DESTINATION ${STAGE})
  execute_process(COMMAND ${CHMCMD} --verbosity 1 Aide.hhp
    WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
  if(NOT _rc EQUAL 0 OR NOT EXISTS ${STAGE}/Aide.chm)
    message(FATAL_ERROR "chmcmd failed:\n${_out}")
  endif()
  file(COPY ${STAGE}/Aide.chm DESTINATION ${APP_DIR})
endif()
