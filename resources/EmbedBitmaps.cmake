# Writes OUTPUT, a C++ source holding each .bmp file of BITMAPS as an RT_BITMAP resource: the
# file without its 14-byte file header, which is exactly the DIB that LoadBitmapW decodes. The
# resource id is the number the file name starts with.
#   cmake -DOUTPUT=<file.cpp> "-DBITMAPS=<a.bmp;b.bmp>" -P EmbedBitmaps.cmake

# An unsigned little-endian field of `size` bytes at `offset`.
function(read_le file offset size out)
  file(READ ${file} hex OFFSET ${offset} LIMIT ${size} HEX)
  set(value "")
  math(EXPR last "${size} - 1")
  foreach(i RANGE 0 ${last})
    math(EXPR pos "${i} * 2")
    string(SUBSTRING "${hex}" ${pos} 2 byte)
    set(value "${byte}${value}")
  endforeach()
  math(EXPR value "0x${value}")
  set(${out} ${value} PARENT_SCOPE)
endfunction()

set(arrays "")
set(table "")
foreach(file IN LISTS BITMAPS)
  get_filename_component(stem ${file} NAME_WE)
  if(NOT stem MATCHES "^([0-9]+)_")
    message(FATAL_ERROR "${file}: a bitmap's file name starts with its resource id")
  endif()
  set(id ${CMAKE_MATCH_1})
  file(READ ${file} signature LIMIT 2 HEX)
  file(SIZE ${file} size)
  if(NOT signature STREQUAL "424d" OR size LESS 54)
    message(FATAL_ERROR "${file} is not a BMP file")
  endif()
  # The bits must follow the header and colour table directly, or dropping the file header
  # would leave them at the wrong place.
  read_le(${file} 10 4 bitsOffset)
  read_le(${file} 14 4 headerSize)
  read_le(${file} 28 2 bitCount)
  read_le(${file} 46 4 colours)
  if(bitCount LESS_EQUAL 8 AND colours EQUAL 0)
    math(EXPR colours "1 << ${bitCount}")
  endif()
  math(EXPR expected "14 + ${headerSize} + 4 * ${colours}")
  if(NOT bitsOffset EQUAL expected)
    message(FATAL_ERROR "${file}: the pixel data does not follow the colour table")
  endif()

  file(READ ${file} hex OFFSET 14 HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REPEAT "0x..," 16 line)
  string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
  string(APPEND arrays "const unsigned char kBitmap${id}[] = {\n    ${bytes}};\n")
  string(APPEND table "    {${id}, kBitmap${id}, sizeof kBitmap${id}},\n")
endforeach()

file(WRITE ${OUTPUT} "// Generated from the .bmp files by resources/EmbedBitmaps.cmake; do not edit.
#include \"resources/EmbeddedBitmaps.h\"

namespace {

${arrays}
const EmbeddedBitmap kBitmaps[] = {
${table}};

}  // namespace

std::span<const EmbeddedBitmap> EmbeddedBitmaps() { return kBitmaps; }
")
