# Writes OUTPUT, a C++ source holding the PNG files FOLDER/<name>.png for each name in NAMES as
# the byte arrays that Artwork.h declares. Run with cmake -P at build time.
set(text "// Generated from the artwork's PNG files when the program is built; do not edit.\n")
string(APPEND text "#include \"Artwork.h\"\n\nnamespace zyfo::artwork {\n\n")
foreach(name IN LISTS NAMES)
    file(READ ${FOLDER}/${name}.png hex HEX)
    string(LENGTH "${hex}" digits)
    math(EXPR size "${digits} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND text "const std::uint8_t ${name}[] = {${bytes}};\n")
    string(APPEND text "const std::size_t ${name}Size = ${size};\n\n")
endforeach()
string(APPEND text "} // namespace zyfo::artwork\n")
file(WRITE ${OUTPUT} "${text}")
