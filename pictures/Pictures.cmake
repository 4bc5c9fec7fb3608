# The program's pictures, drawn once as SVG: the image-list pictures, the program icon and the
# tray icon. The build renders the PNG sizes each face needs (rsvg-convert) and the Windows
# icons (icotool) in the directory that calls these functions.
set(TIPPOMAT_PICTURES_DIR ${CMAKE_CURRENT_LIST_DIR})
set(TIPPOMAT_PICTURES minimize information help drive edit-list install admin appearance
    end-program ok cancel change delete add browse)
# A 16-pixel picture at 100, 150 and 200 % scaling.
set(TIPPOMAT_PICTURE_SIZES 16 24 32)
# The program icon as the hicolor theme and Windows ask for it.
set(TIPPOMAT_ICON_SIZES 16 20 22 24 32 40 48 64 128 256)
set(TIPPOMAT_HICOLOR_SIZES 16 22 24 32 48 64 128 256)
# The program icon that the Qt face gives its windows (gui/qt/Pictures.cpp).
set(TIPPOMAT_WINDOW_ICON_SIZES 16 22 24 32 48 64)

# Renders picture (a file name without .svg) at each size into <binary dir>/pictures; the list
# of PNG files goes to out_var.
function(tippomat_render_picture picture out_var)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(svg ${TIPPOMAT_PICTURES_DIR}/${picture}.svg)
  set(pngs "")
  foreach(size ${ARGN})
    set(png ${CMAKE_CURRENT_BINARY_DIR}/pictures/${picture}-${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/pictures
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
      DEPENDS ${svg} VERBATIM)
    list(APPEND pngs ${png})
  endforeach()
  set(${out_var} ${pngs} PARENT_SCOPE)
endfunction()

# Renders picture at each size and writes its pixels into <binary dir>/pixels/<picture>-<size>,
# by the build tool picture_pixels; the list of files goes to out_var.
function(tippomat_picture_pixels picture out_var)
  tippomat_render_picture(${picture} pngs ${ARGN})
  set(files "")
  foreach(png ${pngs})
    get_filename_component(name ${png} NAME_WE)
    set(pixels ${CMAKE_CURRENT_BINARY_DIR}/pixels/${name})
    add_custom_command(OUTPUT ${pixels}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/pixels
      COMMAND picture_pixels ${png} ${pixels}
      DEPENDS picture_pixels ${png} VERBATIM)
    list(APPEND files ${pixels})
  endforeach()
  set(${out_var} ${files} PARENT_SCOPE)
endfunction()

# A Windows icon of picture holding each size. Sizes up to bitmap_up_to pixels are stored as
# bitmaps, which the system reads without a decoder (those the start and a 100 % screen need);
# larger ones as PNG, as Windows reads them too, which keeps the program file small.
function(tippomat_picture_icon picture ico bitmap_up_to)
  find_program(ICOTOOL icotool REQUIRED)
  tippomat_render_picture(${picture} pngs ${ARGN})
  set(arguments "")
  foreach(size png IN ZIP_LISTS ARGN pngs)
    if(size GREATER bitmap_up_to)
      list(APPEND arguments -r ${png})
    else()
      list(APPEND arguments ${png})
    endif()
  endforeach()
  add_custom_command(OUTPUT ${ico} COMMAND ${ICOTOOL} -c -o ${ico} ${arguments}
                     DEPENDS ${pngs} VERBATIM)
endfunction()
