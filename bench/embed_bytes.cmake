# cmake -DINPUT=FILE -DOUTPUT=HEADER -DNAME=IDENTIFIER -P embed_bytes.cmake:
# the file's bytes as a C array.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}" "static const unsigned char ${NAME}[] = {${bytes}};\n")
