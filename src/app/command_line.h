// The launcher's command line: "/CLOSE" ends a running instance, "/CLOSEALL" also those of every
// other session (for an administrator's uninstaller), "/TOUR" asks for the tour guide.
#pragma once

struct CommandLineOptions {
    bool closeRequested = false;
    bool closeEverySession = false;
    bool tourRequested = false;
};

// Option words start at any '/', run to the next blank and are compared upper-cased.
CommandLineOptions parseCommandLine(const char* text);
