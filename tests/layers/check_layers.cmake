# Fails when an include crosses an edge of the source tree:
#   - a core file (outside gui/ and ui/) includes a gui/ or ui/ header or any Qt header;
#   - a gui/ file includes a ui/ header or a header of Qt Widgets or Qt Print Support;
#   - a file outside app/ and cli/ includes a header of app/, or any file but cli/ one of cli/;
#   - a file of common/ includes a header of a subsystem;
#   - a subsystem includes one that is not below it in the order of the subsystems
#       common < collection < layout < generate < lexicon, output < book < app, cli
#     (lexicon and output are peers and include neither the other; cli uses app's settings).
# Run with -DSOURCE_DIR=<src> and -DWIDGET_HEADER_DIRS=<dirs of the Widgets and Print Support
# headers, ;-separated> (empty when built without Qt).
cmake_minimum_required(VERSION 3.25)

set(widget_headers)
foreach(dir IN LISTS WIDGET_HEADER_DIRS)
  file(GLOB names RELATIVE ${dir} ${dir}/Q*)
  list(APPEND widget_headers ${names})
endforeach()

# The rank of each folder of src/; a folder may include only its own headers and those of a lower
# rank. Something two subsystems share moves down, never sideways.
set(rank_common 0)
set(rank_collection 1)
set(rank_layout 2)
set(rank_generate 3)
set(rank_lexicon 4)
set(rank_output 4)
set(rank_book 5)
set(rank_app 6)
set(rank_cli 6)

set(violations)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(file IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder ${file})
  if(file MATCHES "/ui/")
    set(layer ui)
  elseif(file MATCHES "/gui/")
    set(layer gui)
  else()
    set(layer core)
  endif()
  if(NOT DEFINED rank_${folder})
    list(APPEND violations "src/${file}: the folder ${folder} has no place in the order of the subsystems")
    continue()
  endif()
  if(folder STREQUAL "cli" AND layer STREQUAL "core")
    set(layer cli)  # the command-line tool is core code too, checked below; its gui/ draws
  endif()

  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" header "${line}")
    string(REGEX MATCH "^[^/]+" header_folder "${header}")
    set(problem "")
    if(layer STREQUAL "core" OR layer STREQUAL "cli")
      if(header MATCHES "(^|/)(gui|ui)/")
        set(problem "core code includes a drawing or window header")
      elseif(header MATCHES "^Q[A-Za-z0-9_]*(/|$)")
        set(problem "core code includes a Qt header")
      endif()
    elseif(layer STREQUAL "gui")
      if(header MATCHES "(^|/)ui/")
        set(problem "drawing code includes a window header")
      else()
        string(REGEX REPLACE "^(QtWidgets|QtPrintSupport)/" "" bare "${header}")
        if(header MATCHES "^(QtWidgets|QtPrintSupport)/" OR (bare IN_LIST widget_headers))
          set(problem "drawing code includes a Qt Widgets header")
        endif()
      endif()
    endif()
    if(NOT problem)
      if(header_folder STREQUAL "app" AND NOT folder MATCHES "^(app|cli)$")
        set(problem "only the program and the command-line tool include app/")
      elseif(header_folder STREQUAL "cli" AND NOT folder STREQUAL "cli")
        set(problem "only the command-line tool includes cli/")
      elseif(folder STREQUAL "common" AND header_folder MATCHES "^(app|cli|book|collection|generate|layout|output|lexicon)$")
        set(problem "common code includes a subsystem")
      elseif(DEFINED rank_${header_folder} AND NOT header_folder STREQUAL folder
             AND NOT (folder STREQUAL "cli" AND header_folder STREQUAL "app")
             AND NOT rank_${header_folder} LESS rank_${folder})
        set(problem "${folder} includes ${header_folder}, which is not below it in the order of the subsystems")
      endif()
    endif()
    if(problem)
      list(APPEND violations "src/${file}: #include ${header}: ${problem}")
    endif()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n" report)
  message(FATAL_ERROR "Includes across the edges of the layers:\n${report}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files keep to their layers")
