#include "names/object_names_file.h"

#include <nlohmann/json.hpp>

#include <array>
#include <atomic>
#include <cstdint>
#include <exception>
#include <vector>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "model/hex_digit.h"

using Json = nlohmann::json;

namespace {

// A names file is a few kilobytes; anything far larger is not one.
constexpr std::size_t kLargestFile = std::size_t(4) << 20;

std::atomic<std::uint64_t> lastRevision{0};

[[noreturn]] void fault(const std::string& what)
{
    throw ObjectNamesError("the names file is refused: " + what);
}

// The key shown in a message: what the file holds, within reason.
std::string quoted(const std::string& key)
{
    constexpr std::size_t kShown = 40;
    return "\"" + (key.size() > kShown ? key.substr(0, kShown) + "..." : key) + "\"";
}

int dataValue(const std::string& key, const std::string& where)
{
    if (key.size() == 2 && hexDigitValue(key[0]) >= 0 && hexDigitValue(key[1]) >= 0)
        return hexDigitValue(key[0]) * 16 + hexDigitValue(key[1]);
    fault(where + "the key " + quoted(key) + " is not a data value: give two hexadecimal digits, 00 to FF");
}

int stageNumber(const std::string& key)
{
    if (key.size() == 1 && hexDigitValue(key[0]) >= 0)
        return hexDigitValue(key[0]);
    if (key.size() == 2 && key[0] == '1' && key[1] >= '0' && key[1] <= '5')
        return 10 + key[1] - '0';
    fault("the stage key " + quoted(key) + " is not a stage: give 0 to 15, or its digit 0 to F");
}

// A name is one line of text: what shows it has room for no more.
std::string nameText(const Json& value, const std::string& where)
{
    if (!value.is_string())
        fault(where + "is not a text");
    std::string name = value.get<std::string>();
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            fault(where + "holds a control character: a name is one line of text");
    if (name.empty())
        fault(where + "is empty");
    return name;
}

std::map<int, std::string> nameMap(const Json& value, const std::string& where)
{
    if (!value.is_object())
        fault(where + "is not a map of data values to names");
    std::map<int, std::string> names;
    for (const auto& [key, name] : value.items()) {
        const int data = dataValue(key, where);
        if (names.count(data))
            fault(where + "names data value " + quoted(key) + " twice");
        names[data] = nameText(name, where + "the name of " + quoted(key) + " ");
    }
    return names;
}

}  // namespace

ObjectNames readObjectNames(std::string_view text)
{
    Json file;
    try {
        file = Json::parse(text.begin(), text.end());
    } catch (const Json::exception& error) {
        // A syntax error, or a number too large for any integer.
        fault(std::string("it is not JSON (") + error.what() + ")");
    }
    if (!file.is_object())
        fault("it is not a JSON object");
    const auto version = file.find("version");
    if (version == file.end())
        fault("it has no \"version\"");
    if (!version->is_number_integer() || version->get<std::int64_t>() != kObjectNamesVersion)
        fault("its version is " + version->dump() + ", and this editor reads version " +
              std::to_string(kObjectNamesVersion));

    ObjectNames names;
    names.loaded = true;
    for (const auto& [key, value] : file.items()) {
        if (key == "version")
            continue;
        if (key == "title") {
            names.title = nameText(value, "the title ");
        } else if (key == "names") {
            names.everyStage = nameMap(value, "in \"names\", ");
        } else if (key == "stage") {
            if (!value.is_object())
                fault("\"stage\" is not a map of stages to names");
            std::array<bool, kStageCount> given{};
            for (const auto& [stageKey, stageNames] : value.items()) {
                const int stage = stageNumber(stageKey);
                if (given[std::size_t(stage)])
                    fault("stage " + std::to_string(stage) + " is given twice");
                given[std::size_t(stage)] = true;
                names.byStage[std::size_t(stage)] = nameMap(stageNames, "in stage " + quoted(stageKey) + ", ");
            }
        } else {
            fault("it holds " + quoted(key) + ", which a names file does not have");
        }
    }
    names.revision = ++lastRevision;
    return names;
}

ObjectNames loadObjectNamesFile(const std::string& path)
{
    std::string shown = readableName(path);
    shown.insert(shown.begin(), '\'');
    shown.push_back('\'');
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readFileBytes(path, kLargestFile + 1);
    } catch (const std::exception& error) {
        throw ObjectNamesError("cannot read the names file " + shown + ": " + error.what());
    }
    if (bytes.size() > kLargestFile)
        throw ObjectNamesError("the names file " + shown + " is refused: it is larger than 4 MiB");
    try {
        ObjectNames names = readObjectNames({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
        names.file = readableName(path);
        return names;
    } catch (const ObjectNamesError& error) {
        std::string reason = error.what();
        const std::string prefix = "the names file";
        throw ObjectNamesError(prefix + " " + shown + reason.substr(prefix.size()));
    }
}

std::string objectNamesBesideImage(const std::string& imagePath)
{
    return imagePath + ".objects.json";
}
