# Turns every file under resources/ named TYPE_NUMBER.ext into a byte array of
# a generated C++ source, so the executable carries its resources.
# Called with -DSOURCE_DIR=<resources folder> -DOUTPUT=<generated .cpp>.
file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*/*_*.*")
list(SORT files)
set(arrays "")
set(table "")
set(index 0)
foreach(rel IN LISTS files)
  get_filename_component(stem "${rel}" NAME_WE)
  if(NOT stem MATCHES "^([A-Za-z ]+)_([0-9]+)$")
    continue()
  endif()
  set(type "${CMAKE_MATCH_1}")
  set(number "${CMAKE_MATCH_2}")
  file(READ "${SOURCE_DIR}/${rel}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "static const unsigned char r${index}[] = {${bytes}0};\n")
  string(APPEND table "    {\"${type}\", ${number}, r${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp"
"// Generated from the files under resources/; do not edit.
#include \"resources/EmbeddedResources.h\"

${arrays}
const EmbeddedResource kEmbeddedResources[] = {
${table}    {\"\", 0, nullptr, 0},
};
const std::size_t kEmbeddedResourceCount = ${index};
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
