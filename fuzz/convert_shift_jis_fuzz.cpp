// convertEncoding from "Shift_JIS" into every encoding.

#include "fuzz/encoding_fuzz.h"

std::vector<FuzzSeed> fuzzSeeds()
{
    return encodingSeeds("Shift_JIS");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzConversionsFrom("Shift_JIS", data, size);
    return 0;
}
