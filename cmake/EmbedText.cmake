# Writes a C++ source defining `std::string_view FUNCTION()`, declared in
# HEADER, that returns the bytes of INPUT: a text generated at build time
# travels inside the program that shows it.
#
#   cmake -DINPUT=... -DOUTPUT=... -DHEADER=... -DFUNCTION=... -P EmbedText.cmake

file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# Every byte as a hexadecimal escape, eight to a line of adjacent literals.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
string(REGEX REPLACE "((\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f]))"
       "\\1\"\n      \"" lines "${escaped}")
get_filename_component(input_name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.new"
  "// Generated from ${input_name} by cmake/EmbedText.cmake.\n"
  "#include \"${HEADER}\"\n\n"
  "std::string_view ${FUNCTION}() {\n"
  "  return std::string_view(\n"
  "      \"${lines}\",\n"
  "      ${size});\n"
  "}\n")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
