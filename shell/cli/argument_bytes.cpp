#include "shell/cli/argument_bytes.h"

#include <vector>

#include <QString>

namespace {
std::vector<std::string> keptArguments;
}  // namespace

void keepArgumentBytes(int argc, const char* const* argv)
{
    keptArguments.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
}

std::string argumentBytes(const QString& value)
{
    for (const std::string& argument : keptArguments) {
        if (QString::fromLocal8Bit(argument) == value)
            return argument;
        const auto equals = argument.find('=');
        if (argument.starts_with("--") && equals != std::string::npos &&
            QString::fromLocal8Bit(argument.substr(equals + 1)) == value)
            return argument.substr(equals + 1);
    }
    return value.toLocal8Bit().toStdString();
}
