# Windows DLLs that serve only what the user opens later (the choosers, the update, shortcuts)
# are loaded at their first call rather than before the program's first instruction: each one
# and the DLLs it pulls in cost milliseconds of every start under Wine, before the tray icon
# is up. The delay-import libraries are made once at configure time with dlltool from the
# toolchain's own import libraries. Their thunks keep the integer argument registers only, so no
# function taking floating-point arguments may go through them.

# Defines DelayImport::<dll> for each named DLL, to link instead of its import library.
function(tippomat_delay_imports)
  foreach(dll IN LISTS ARGN)
    find_library(TIPPOMAT_IMPORT_${dll} NAMES ${dll} REQUIRED)
    set(def ${CMAKE_BINARY_DIR}/delay-imports/${dll}.def)
    set(library ${CMAKE_BINARY_DIR}/delay-imports/lib${dll}_delay.a)
    if(NOT EXISTS ${library} OR ${TIPPOMAT_IMPORT_${dll}} IS_NEWER_THAN ${library})
      execute_process(COMMAND ${CMAKE_NM} -g ${TIPPOMAT_IMPORT_${dll}}
                      OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
      string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
      list(TRANSFORM imports REPLACE " I __imp_" "")
      list(REMOVE_DUPLICATES imports)
      list(JOIN imports "\n" exports)
      file(WRITE ${def} "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
      execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${dll}.dll
                              --output-delaylib ${library}
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()
    add_library(DelayImport::${dll} STATIC IMPORTED GLOBAL)
    # The thunks call __delayLoadHelper2, which the toolchain's delayimp holds.
    set_target_properties(DelayImport::${dll} PROPERTIES IMPORTED_LOCATION ${library}
                                                         INTERFACE_LINK_LIBRARIES delayimp)
  endforeach()
endfunction()
