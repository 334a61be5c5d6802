// The names-file reader on any text: it refuses with a reason, or it gives names that
// are each one non-empty line of text, for data values and stages that exist.

#include <string_view>

#include "fuzz/fuzz_target.h"
#include "names/object_names_file.h"

std::vector<FuzzSeed> fuzzSeeds()
{
    const std::string text = R"({"version": 1, "title": "t", "names": {"23": "walking enemy", "0A": "door"},
        "stage": {"3": {"23": "fish"}, "F": {"ff": "boss"}}})";
    return {{"names", {text.begin(), text.end()}}};
}

namespace {

void checkNames(const std::map<int, std::string>& names)
{
    for (const auto& [data, name] : names) {
        fuzzRequire(data >= 0 && data <= 0xFF, "a data value out of range accepted");
        fuzzRequire(!name.empty(), "an empty name accepted");
        for (const char c : name)
            fuzzRequire(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "a control character accepted");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ObjectNames names;
    try {
        names = readObjectNames(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const ObjectNamesError& error) {
        fuzzRequire(error.what()[0] != '\0', "a refusal without a reason");
        return 0;
    }
    fuzzRequire(names.loaded, "accepted names are not marked as loaded");
    checkNames(names.everyStage);
    for (const auto& stage : names.byStage)
        checkNames(stage);
    return 0;
}
