// convertEncoding from "EUC-JP" into every encoding.

#include "fuzz/encoding_fuzz.h"

std::vector<FuzzSeed> fuzzSeeds()
{
    return encodingSeeds("EUC-JP");
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzConversionsFrom("EUC-JP", data, size);
    return 0;
}
