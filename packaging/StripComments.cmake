# Run by cpack after installing into its staging folder (CPACK_PRE_BUILD_SCRIPTS):
# removes the compiler's .comment and .note sections from the programs, as
# Debian's own packaging tools do; cpack's stripping keeps them.
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
  file(READ "${program}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")  # an ELF binary, not the launcher script
    execute_process(COMMAND strip --remove-section=.comment --remove-section=.note "${program}"
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "could not strip ${program}")
    endif()
  endif()
endforeach()
