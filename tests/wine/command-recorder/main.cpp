// Stands in for a system tool that Wine provides only as a stub (icacls): appends the command
// line it was started with, as one CR LF line, to the file that TANDOR_COMMAND_LOG names, and
// succeeds, as the stub does.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main()
{
    const char* logPath = std::getenv("TANDOR_COMMAND_LOG");
    if (logPath == nullptr)
        return 0;
    std::FILE* log = std::fopen(logPath, "ab");
    if (log == nullptr)
        return 1;
    std::fprintf(log, "%s\r\n", GetCommandLineA());
    return std::fclose(log) == 0 ? 0 : 1;
}
