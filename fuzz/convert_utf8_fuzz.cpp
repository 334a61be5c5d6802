// convertEncoding from "UTF-8" into every encoding.

#include "fuzz/encoding_fuzz.h"

std::vector<FuzzSeed> fuzzSeeds()
{
    return encodingSeeds("UTF-8");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzConversionsFrom("UTF-8", data, size);
    return 0;
}
