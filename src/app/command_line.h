// The launcher's command line: "/CLOSE" ends a running instance, "/TOUR" asks for the tour guide.
#pragma once

struct CommandLineOptions {
    bool closeRequested = false;
    bool tourRequested = false;
};

// Option words start at any '/', run to the next blank and are compared upper-cased.
CommandLineOptions parseCommandLine(const char* text);
