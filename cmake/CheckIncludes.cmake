# cmake -DSRC=<src folder> -P CheckIncludes.cmake
#
# The layers point one way, and every include says which library it comes
# from: a file under src/core includes only "core/..." headers and no Qt, a
# file under src/ui only "core/..." and "ui/...", the programs under src/app
# any of the three.  A header that lies beside its file is still named from
# src/ ("app/cli/Command.h"), so a name never depends on where it is read.
#
# Inside core the rooms are in order too: a room includes only itself and
# the rooms before it in this list (docs/ARCHITECTURE.md says why), and a
# new room must be given its place here.
set(core_rooms catalogue store words options profiles plans shell output wordlist)
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.cpp ${SRC}/*.h)
set(faults "")
foreach(file ${files})
  string(REGEX MATCH "^[a-z]+" layer "${file}")
  set(room_rank -1)
  if(layer STREQUAL "core")
    set(allowed "^core/")
    string(REGEX MATCH "^core/([a-z]+)/" _ "${file}")
    list(FIND core_rooms "${CMAKE_MATCH_1}" room_rank)
    if(room_rank EQUAL -1)
      string(APPEND faults "  src/${file}: not in a room of core (rooms: ${core_rooms})\n")
    endif()
  elseif(layer STREQUAL "ui")
    set(allowed "^(core|ui)/")
  else()
    set(allowed "^(core|ui|app)/")
  endif()
  file(STRINGS ${SRC}/${file} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${lines})
    if(line MATCHES "\"([^\"]+)\"")
      set(included "${CMAKE_MATCH_1}")
      if(NOT included MATCHES "${allowed}")
        string(APPEND faults "  src/${file}: \"${included}\"\n")
      elseif(room_rank GREATER -1 AND included MATCHES "^core/([a-z]+)/")
        list(FIND core_rooms "${CMAKE_MATCH_1}" included_rank)
        if(included_rank EQUAL -1 OR included_rank GREATER room_rank)
          string(APPEND faults "  src/${file}: \"${included}\" (a core room includes only rooms before it)\n")
        endif()
      endif()
    elseif(layer STREQUAL "core" AND line MATCHES "<Q")
      string(APPEND faults "  src/${file}: ${line} (core uses only the standard library)\n")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes that do not name their library, or point the wrong way:\n${faults}")
endif()
