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

# The pictures the pages show beside the names of buttons and menu items, made from the
# program's own: <folder>/bilder/<picture>.png, and <picture>@2x.png for 200 %. The list of files
# goes to out_var.
function(tippomat_render_help_pictures folder out_var)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(files "")
  foreach(picture ${TIPPOMAT_PICTURES})
    set(svg ${TIPPOMAT_PICTURES_DIR}/${picture}.svg)
    set(plain ${folder}/bilder/${picture}.png)
    set(double ${folder}/bilder/${picture}@2x.png)
    add_custom_command(OUTPUT ${plain} ${double}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/bilder
      COMMAND ${RSVG_CONVERT} -w 16 -h 16 -o ${plain} ${svg}
      COMMAND ${RSVG_CONVERT} -w 32 -h 32 -o ${double} ${svg}
      DEPENDS ${svg} VERBATIM)
    list(APPEND files ${plain} ${double})
  endforeach()
  set(${out_var} ${files} PARENT_SCOPE)
endfunction()

# output: the compiled help file, made by chmcmd from a copy of the sources and the pictures (it
# writes beside its project). A link to a page or picture that is missing fails the build.
function(tippomat_add_help_file output)
  find_program(CHMCMD chmcmd REQUIRED)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/help-project)
  file(MAKE_DIRECTORY ${work})
  tippomat_render_help_pictures(${work} pictures)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${TIPPOMAT_HELP_SOURCE_PATHS} ${work}
    COMMAND sh ${TIPPOMAT_HELP_DIR}/compile-help.sh ${CHMCMD} ${TIPPOMAT_HELP_PROJECT}
    COMMAND ${CMAKE_COMMAND} -E copy ${work}/TIPPOMAT.chm ${output}
    WORKING_DIRECTORY ${work}
    DEPENDS ${TIPPOMAT_HELP_SOURCE_PATHS} ${TIPPOMAT_HELP_DIR}/compile-help.sh ${pictures}
    COMMENT "Compiling TIPPOMAT.chm"
    VERBATIM)
endfunction()
