# Turns a binary file into a C++ source holding its bytes:
# cmake -DINPUT=file.bin -DOUTPUT=file.cpp -DHEADER=dir/name.h -DNAME=function -P bytes_to_cpp.cmake
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT} "// Made by the build from ${INPUT}; not to be edited.
#include \"${HEADER}\"

namespace {
const std::uint8_t kBytes[] = {
    ${bytes}
};
}  // namespace

std::span<const std::uint8_t> ${NAME}()
{
    return kBytes;
}
")
