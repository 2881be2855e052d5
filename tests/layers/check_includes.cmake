# Reads the includes of every core and platform source and of the headers
# they include, and fails on any that reaches a layer above:
#   cmake -DSOURCE_DIR=... -DCORE=a.cpp|b.cpp -DPLATFORM=... -DWINDOWS=... -P check_includes.cmake
# The compiler already refuses widget headers in the core (they are not on
# its include path); this catches what it cannot: headers of our own upper
# layers, and system headers of X11 and of Qt modules the core does not link.
cmake_minimum_required(VERSION 3.25)

foreach(layer CORE PLATFORM WINDOWS)
  string(REPLACE "|" ";" ${layer} "${${layer}}")
  set(${layer}_HEADERS)
  foreach(src ${${layer}})
    string(REGEX REPLACE "\\.cpp$" ".h" header "${src}")
    list(APPEND ${layer}_HEADERS ${header})
  endforeach()
endforeach()

set(failures)
# Checks `file` (relative to SOURCE_DIR) and, through them, the headers of
# its own it includes that no .cpp stands beside.
function(check_file layer file)
  if(file IN_LIST checked)
    return()
  endif()
  list(APPEND checked ${file})
  set(checked ${checked} PARENT_SCOPE)
  file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    if(line MATCHES "include[ \t]*\"([^\"]+)\"")
      set(included ${CMAKE_MATCH_1})
      set(above ${WINDOWS_HEADERS})
      if(layer STREQUAL "CORE")
        list(APPEND above ${PLATFORM_HEADERS})
      endif()
      if(included IN_LIST above)
        list(APPEND failures "${file}: a ${layer} file includes ${included} of a layer above")
      elseif(EXISTS ${SOURCE_DIR}/${included} AND NOT included IN_LIST CORE_HEADERS
             AND NOT included IN_LIST PLATFORM_HEADERS)
        check_file(${layer} ${included})
      endif()
    elseif(layer STREQUAL "CORE" AND line MATCHES "include[ \t]*<((X11|xcb|QtWidgets|QtDBus|QtNetwork)/[^>]*)>")
      list(APPEND failures "${file}: a core file includes <${CMAKE_MATCH_1}>")
    endif()
  endforeach()
  set(failures ${failures} PARENT_SCOPE)
  set(checked ${checked} PARENT_SCOPE)
endfunction()

set(checked)
foreach(layer CORE PLATFORM)
  foreach(file ${${layer}} ${${layer}_HEADERS})
    check_file(${layer} ${file})
  endforeach()
endforeach()

list(LENGTH CORE core_count)
list(LENGTH PLATFORM platform_count)
if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "${text}")
endif()
message(STATUS "Layers hold: ${core_count} core and ${platform_count} platform sources include nothing above them")
