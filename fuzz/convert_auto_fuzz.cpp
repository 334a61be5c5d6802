// convertEncoding from "auto" into every encoding.

#include "fuzz/encoding_fuzz.h"

std::vector<FuzzSeed> fuzzSeeds()
{
    return encodingSeeds("auto");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzConversionsFrom("auto", data, size);
    return 0;
}
