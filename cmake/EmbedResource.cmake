# Writes OUT, a C++ file that exports the bytes of IN as SYMBOL and their count as SYMBOL_size.
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE ${OUT} "#include <cstdint>\n"
    "extern \"C\" __attribute__((visibility(\"default\"))) const uint8_t ${SYMBOL}[] = {${bytes} 0};\n"
    "extern \"C\" __attribute__((visibility(\"default\"))) const uint32_t ${SYMBOL}_size = ${size};\n")
