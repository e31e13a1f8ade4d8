// A program for the Wine tests to launch: it writes "launched" into the file named on its command
// line and ends. Its own icon is plain magenta, so a screenshot tells it from any stock icon.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 2)
        return 2;
    std::FILE* marker = std::fopen(__argv[1], "wb");
    if (!marker)
        return 1;
    std::fputs("launched\r\n", marker);
    return std::fclose(marker) == 0 ? 0 : 1;
}
