file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" len)
math(EXPR bytes "${len} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," body "${hex}")
file(WRITE ${OUTPUT}
"#include <string_view>\n"
"static const char data_[] = {${body} 0};\n"
"extern const std::string_view ${SYMBOL};\n"
"const std::string_view ${SYMBOL}(data_, ${bytes});\n")
