#include "driver.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

struct Command {
    const char* usage;
    CommandFunction function;
};

std::map<std::string, Command>& commands()
{
    static std::map<std::string, Command> table;
    return table;
}

void printUsage()
{
    std::fprintf(stderr, "usage: tandor-testdriver COMMAND ARGS...\n");
    for (const auto& [name, command] : commands())
        std::fprintf(stderr, "  %s %s\n", name.c_str(), command.usage);
}

} // namespace

Registration::Registration(const char* name, const char* usage, CommandFunction function)
{
    commands()[name] = Command{usage, function};
}

int toInt(const std::string& text)
{
    return static_cast<int>(std::strtol(text.c_str(), nullptr, 0));
}

HWND findTopWindow(const std::string& className, const std::string& title)
{
    return FindWindowA(className == "-" ? nullptr : className.c_str(), title == "-" ? nullptr : title.c_str());
}

HWND topWindowOf(const Arguments& arguments)
{
    return findTopWindow(arguments[0], arguments[1]);
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        printUsage();
        return UsageError;
    }
    auto found = commands().find(argv[1]);
    if (found == commands().end()) {
        std::fprintf(stderr, "unknown command: %s\n", argv[1]);
        printUsage();
        return UsageError;
    }
    Arguments arguments(argv + 2, argv + argc);
    return found->second.function(arguments);
}
