# driftreel_delay_imports(dll...): for each system DLL, an imported library
# target delay::<dll> whose functions load the DLL at their first call instead
# of at process start. Under Wine every import loaded at start-up costs the
# screen saver time before its window covers the screen; the DLLs that only
# some modes need (COM, shell, timers, power, session notices) wait.
find_program(DRIFTREEL_DLLTOOL NAMES i686-w64-mingw32-dlltool REQUIRED)
find_program(DRIFTREEL_NM NAMES i686-w64-mingw32-nm REQUIRED)
find_program(DRIFTREEL_OBJCOPY NAMES i686-w64-mingw32-objcopy REQUIRED)
find_program(DRIFTREEL_AR NAMES i686-w64-mingw32-ar REQUIRED)

# This dlltool leaves the lazy thunks in import-library form: the linker takes
# each function's member for an ordinary import, discards its code and leaves
# the call slot zero. The tables move out of .idata into .data sections that
# the linker sorts by name, one set per DLL: the head's entries (a) before the
# functions' (b), the terminating tail (c) last.
function(driftreel_move_delay_tables dll lib)
  set(dir ${CMAKE_BINARY_DIR}/delayimp/${dll}.parts)
  file(MAKE_DIRECTORY ${dir})
  execute_process(COMMAND ${DRIFTREEL_AR} t ${lib} OUTPUT_VARIABLE members)
  string(REGEX MATCH "[^\n]*_h\\.o" head "${members}")
  string(REGEX MATCH "[^\n]*_t\\.o" tail "${members}")
  execute_process(COMMAND ${DRIFTREEL_AR} x ${lib} ${head} ${tail} WORKING_DIRECTORY ${dir})
  foreach(part "${lib}:b" "${dir}/${head}:a" "${dir}/${tail}:c")
    string(REGEX MATCH "^(.*):(.)$" unused "${part}")
    set(renames)
    foreach(n 2 4 5 6 7)
      list(APPEND renames --rename-section .idata$${n}=.data$delay_${dll}_${n}${CMAKE_MATCH_2})
    endforeach()
    execute_process(COMMAND ${DRIFTREEL_OBJCOPY} ${renames} ${CMAKE_MATCH_1})
  endforeach()
  execute_process(COMMAND ${DRIFTREEL_AR} r ${lib} ${head} ${tail} WORKING_DIRECTORY ${dir})
endfunction()

function(driftreel_delay_imports)
  set(dir ${CMAKE_BINARY_DIR}/delayimp)
  file(MAKE_DIRECTORY ${dir})
  foreach(dll ${ARGN})
    if(TARGET delay::${dll})
      continue()
    endif()
    set(lib ${dir}/lib${dll}_delay.a)
    if(NOT EXISTS ${lib})
      find_file(import_lib lib${dll}.a PATHS ${CMAKE_FIND_ROOT_PATH}/lib NO_DEFAULT_PATH REQUIRED)
      execute_process(COMMAND ${DRIFTREEL_NM} ${import_lib} OUTPUT_VARIABLE symbols ERROR_QUIET)
      unset(import_lib CACHE)
      # Every "__imp__Name@N" the import library offers becomes an export line.
      string(REGEX MATCHALL "I __imp__[A-Za-z0-9_@?$]+" imports "${symbols}")
      set(def "LIBRARY ${dll}.dll\nEXPORTS\n")
      foreach(entry ${imports})
        string(REGEX REPLACE "^I __imp__" "" name "${entry}")
        string(APPEND def "${name}\n")
      endforeach()
      file(WRITE ${dir}/${dll}.def "${def}")
      # Built under another name first, so that a stopped run leaves none.
      execute_process(COMMAND ${DRIFTREEL_DLLTOOL} -k -d ${dir}/${dll}.def -y ${lib}.part RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR "no delay-load library for ${dll}")
      endif()
      driftreel_move_delay_tables(${dll} ${lib}.part)
      file(RENAME ${lib}.part ${lib})
    endif()
    add_library(delay::${dll} STATIC IMPORTED GLOBAL)
    set_target_properties(delay::${dll} PROPERTIES IMPORTED_LOCATION ${lib})
  endforeach()
endfunction()
