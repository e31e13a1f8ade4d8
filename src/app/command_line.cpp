#include "app/command_line.h"

#include "base/ascii.h"

#include <string>

CommandLineOptions parseCommandLine(const char* text)
{
    CommandLineOptions options;
    if (text == nullptr)
        return options;
    const char* p = text;
    while (*p != '\0') {
        if (*p != '/') {
            ++p;
            continue;
        }
        ++p;
        std::string word;
        while (*p != '\0' && *p != ' ')
            word += toUpperAscii(*p++);
        if (word == "CLOSE" || word == "CLOSEALL")
            options.closeRequested = true;
        if (word == "CLOSEALL")
            options.closeEverySession = true;
        else if (word == "TOUR")
            options.tourRequested = true;
    }
    return options;
}
