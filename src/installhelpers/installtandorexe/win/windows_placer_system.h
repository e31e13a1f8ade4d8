// The placer's system services on Windows: its own RCDATA resource, the target file and
// the hidden start of the close request.
#pragma once

#include "installhelpers/program_placer.h"

#include <windows.h>

class WindowsPlacerSystem : public PlacerSystem {
public:
    explicit WindowsPlacerSystem(HINSTANCE instance) : instance_(instance) {}
    ~WindowsPlacerSystem() override;

    bool findEmbeddedProgram(EmbeddedProgram& program) override;
    bool openTarget(const std::string& path) override;
    bool writeTarget(const void* bytes, std::size_t size) override;
    bool closeTarget() override;
    void startHidden(const std::string& program, const std::string& commandLine) override;
    void sleep(unsigned milliseconds) override;

private:
    HINSTANCE instance_;
    HANDLE target_ = INVALID_HANDLE_VALUE;
};
