// The placer's system services on Windows: its own RCDATA resource, the files beside the
// target and the hidden start of the close request.
#pragma once

#include "installhelpers/program_placer.h"

#include <windows.h>

class WindowsPlacerSystem : public PlacerSystem {
public:
    explicit WindowsPlacerSystem(HINSTANCE instance) : instance_(instance) {}

    bool findEmbeddedProgram(EmbeddedProgram& program) override;
    bool writeFile(const std::string& path, const void* bytes, std::size_t size) override;
    bool moveOver(const std::string& from, const std::string& to) override;
    void removeFile(const std::string& path) override;
    void startHidden(const std::string& program, const std::string& commandLine) override;
    void sleep(unsigned milliseconds) override;

private:
    HINSTANCE instance_;
};
