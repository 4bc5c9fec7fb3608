# The help pages, written once: built into the Linux program as Qt resources, compiled to
# TIPPOMAT.chm for Windows and built into Tippomat.exe for systems without the help viewer.
set(TIPPOMAT_HELP_DIR ${CMAKE_CURRENT_LIST_DIR})
set(TIPPOMAT_HELP_PROJECT Tippomat.hhp)
set(TIPPOMAT_HELP_PAGES
  uebersicht.html einstellungen.html programmliste.html schaltflaechen.html aussehen.html
  tastenkuerzel.html popup.html admin.html laufwerk.html portabel.html autostart.html info.html
  wayland.html hilfe.css)
set(TIPPOMAT_HELP_SOURCES ${TIPPOMAT_HELP_PROJECT} Tippomat.hhc ${TIPPOMAT_HELP_PAGES})
list(TRANSFORM TIPPOMAT_HELP_SOURCES PREPEND ${TIPPOMAT_HELP_DIR}/ OUTPUT_VARIABLE
     TIPPOMAT_HELP_SOURCE_PATHS)

# output: the compiled help file, made by chmcmd from a copy of the sources (it writes beside
# its project).
function(tippomat_add_help_file output)
  find_program(CHMCMD chmcmd REQUIRED)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/help-project)
  file(MAKE_DIRECTORY ${work})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${TIPPOMAT_HELP_SOURCE_PATHS} ${work}
    COMMAND ${CHMCMD} --no-html-scan ${TIPPOMAT_HELP_PROJECT} > chmcmd.log
    COMMAND ${CMAKE_COMMAND} -E copy ${work}/TIPPOMAT.chm ${output}
    WORKING_DIRECTORY ${work}
    DEPENDS ${TIPPOMAT_HELP_SOURCE_PATHS}
    COMMENT "Compiling TIPPOMAT.chm"
    VERBATIM)
endfunction()
