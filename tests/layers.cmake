# Checks that the source folders depend on each other in one direction:
# platform <- widgets <- imaging <- document <- (cardwindow, printing,
# wizard, editor) <- app <- main.cpp. A file may include its own folder and
# folders below its own; the four folders of one level do not include each
# other. The card model (document) includes no Qt Widgets header, so that
# the card's data and drawing never depend on a window.
#
# cmake -DSOURCE_DIR=<src> -DWIDGETS_HEADERS=<QtWidgets include folder> -P layers.cmake
set(rank_platform 0)
set(rank_widgets 1)
set(rank_imaging 2)
set(rank_document 3)
set(rank_cardwindow 4)
set(rank_printing 4)
set(rank_wizard 4)
set(rank_editor 4)
set(rank_app 5)

file(GLOB widget_headers RELATIVE ${WIDGETS_HEADERS} ${WIDGETS_HEADERS}/Q*)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(faults "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  if(NOT DEFINED rank_${folder})
    continue() # main.cpp may include anything
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^/\"]+)/")
      set(target ${CMAKE_MATCH_1})
      if(DEFINED rank_${target} AND NOT target STREQUAL folder
         AND NOT rank_${target} LESS rank_${folder})
        list(APPEND faults "${source}: ${line}")
      endif()
    elseif(folder STREQUAL "document" AND line MATCHES "#[ \t]*include[ \t]*<(QtWidgets/)?([A-Za-z]+)>")
      list(FIND widget_headers ${CMAKE_MATCH_2} found)
      if(CMAKE_MATCH_1 OR found GREATER -1)
        list(APPEND faults "${source}: ${line} (a Qt Widgets header in the card model)")
      endif()
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Includes against the order of the folders:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "${count} source files follow the order of the folders")
