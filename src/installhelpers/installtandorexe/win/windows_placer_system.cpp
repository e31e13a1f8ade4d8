#include "windows_placer_system.h"

#include "resources/resource.h"

#include <vector>

WindowsPlacerSystem::~WindowsPlacerSystem()
{
    if (target_ != INVALID_HANDLE_VALUE)
        CloseHandle(target_);
}

bool WindowsPlacerSystem::findEmbeddedProgram(EmbeddedProgram& program)
{
    HRSRC resource = FindResourceA(instance_, MAKEINTRESOURCEA(IDR_EMBEDDED_TANDOR), RT_RCDATA);
    if (resource == nullptr)
        return false;
    HGLOBAL loaded = LoadResource(instance_, resource);
    if (loaded == nullptr)
        return false;
    program.bytes = LockResource(loaded);
    program.size = SizeofResource(instance_, resource);
    return program.bytes != nullptr;
}

bool WindowsPlacerSystem::openTarget(const std::string& path)
{
    // No sharing: a launcher running from the file keeps it mapped, and that must show as busy.
    target_ = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return target_ != INVALID_HANDLE_VALUE;
}

bool WindowsPlacerSystem::writeTarget(const void* bytes, std::size_t size)
{
    DWORD written = 0;
    return WriteFile(target_, bytes, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

bool WindowsPlacerSystem::closeTarget()
{
    const bool closed = CloseHandle(target_) != FALSE;
    target_ = INVALID_HANDLE_VALUE;
    return closed;
}

void WindowsPlacerSystem::startHidden(const std::string& program, const std::string& commandLine)
{
    // CreateProcess may write into the command line, so it gets a copy of its own.
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    // Naming the program outright keeps the system from guessing it from a path with blanks.
    if (CreateProcessA(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void WindowsPlacerSystem::sleep(unsigned milliseconds)
{
    Sleep(milliseconds);
}
