#include "windows_placer_system.h"

#include "base/system_files.h"
#include "base/win/owners.h"
#include "resources/resource.h"

#include <vector>

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

bool WindowsPlacerSystem::writeFile(const std::string& path, const void* bytes, std::size_t size)
{
    return writeFileDurably(path, static_cast<const char*>(bytes), size);
}

bool WindowsPlacerSystem::moveOver(const std::string& from, const std::string& to)
{
    // A launcher running from `to` keeps its file mapped, which makes the move fail: busy.
    return moveFileReplacing(from, to);
}

void WindowsPlacerSystem::removeFile(const std::string& path)
{
    DeleteFileA(path.c_str());
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
        OwnedHandle(process.hThread).close();
        OwnedHandle(process.hProcess).close();
    }
}

void WindowsPlacerSystem::sleep(unsigned milliseconds)
{
    Sleep(milliseconds);
}
