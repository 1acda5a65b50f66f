# Writes the icon's resources for windres (cmake -DOUTPUT=... -DFOLDER=... "-DSIZES=16;32" -P):
# each size's PNG as an icon image, and the icon group that names them, as an .ico file's
# directory would. Windows reads PNG images in icons from Vista on.
set(entries "")
set(images "")
list(LENGTH SIZES count)
set(id 101)
foreach(size IN LISTS SIZES)
    set(png "${FOLDER}/icon-${size}.png")
    file(SIZE "${png}" bytes)
    # A side of 256 is written as 0 in the directory's byte.
    math(EXPR side "${size} % 256")
    math(EXPR square "${side} + ${side} * 256")
    # width and height, colours and reserved, planes, bits a pixel, the image's bytes, its id
    string(APPEND entries ",\n    ${square}, 0, 1, 32, ${bytes}L, ${id}")
    string(APPEND images "${id} 3 \"${png}\"\n")
    math(EXPR id "${id} + 1")
endforeach()
file(WRITE "${OUTPUT}" "// The window's icon at ${SIZES} pixels.\n${images}1 14\nBEGIN\n    0, 1, ${count}${entries}\nEND\n")
