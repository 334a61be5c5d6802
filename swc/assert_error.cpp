#include <string>

#include "swc/swc.h"

namespace {

std::string assertionText(const char* module, unsigned line)
{
    return "AssertError Failure " + std::string(module ? module : "") + "(" + std::to_string(line) + ")";
}

}  // namespace

AssertError::AssertError(const char* module, unsigned line) : std::runtime_error(assertionText(module, line))
{}
