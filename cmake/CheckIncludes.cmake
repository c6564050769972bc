# cmake -DSRC=<src folder> -P CheckIncludes.cmake
#
# The layers point one way, and every include says which library it comes
# from: a file under src/core includes only "core/..." headers and no Qt, a
# file under src/ui only "core/..." and "ui/...", the programs under src/app
# any of the three.  A header that lies beside its file is still named from
# src/ ("app/cli/Command.h"), so a name never depends on where it is read.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.cpp ${SRC}/*.h)
set(faults "")
foreach(file ${files})
  string(REGEX MATCH "^[a-z]+" layer "${file}")
  if(layer STREQUAL "core")
    set(allowed "^core/")
  elseif(layer STREQUAL "ui")
    set(allowed "^(core|ui)/")
  else()
    set(allowed "^(core|ui|app)/")
  endif()
  file(STRINGS ${SRC}/${file} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    if(line MATCHES "\"([^\"]+)\"")
      if(NOT CMAKE_MATCH_1 MATCHES "${allowed}")
        string(APPEND faults "  src/${file}: \"${CMAKE_MATCH_1}\"\n")
      endif()
    elseif(layer STREQUAL "core" AND line MATCHES "<Q")
      string(APPEND faults "  src/${file}: ${line} (core uses only the standard library)\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes that do not name their library, or point the wrong way:\n${faults}")
endif()
