#include "base/system_files.h"

#include "base/win/owners.h"

#include <windows.h>

namespace {

constexpr DWORD LargestWrite = 1u << 24;

// The system's text for its last error, without the line end it puts at the end.
bool failed(std::string* failure)
{
    const DWORD error = GetLastError();
    if (failure == nullptr)
        return false;
    LocalMemory<char*> text;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<char*>(text.out()), 0, nullptr);
    if (length == 0) {
        *failure = "Error " + std::to_string(error);
        return false;
    }
    *failure = std::string(text.get(), length);
    while (!failure->empty() && (failure->back() == '\n' || failure->back() == '\r'))
        failure->pop_back();
    return false;
}

bool writeAll(HANDLE file, const char* bytes, std::size_t size)
{
    while (size > 0) {
        const DWORD chunk = size < LargestWrite ? static_cast<DWORD>(size) : LargestWrite;
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written == 0)
            return false;
        bytes += written;
        size -= written;
    }
    return true;
}

} // namespace

bool writeFileDurably(const std::string& path, const char* bytes, std::size_t size, std::string* failure)
{
    OwnedHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return failed(failure);
    // The data must be on the disk before a rename can be: otherwise a power cut may leave
    // the new name pointing at nothing.
    if (!writeAll(file.get(), bytes, size) || !FlushFileBuffers(file.get()))
        return failed(failure);
    return file.close() || failed(failure);
}

bool moveFileReplacing(const std::string& from, const std::string& to, std::string* failure)
{
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ||
           failed(failure);
}

bool appendToFile(const std::string& path, const std::string& contents)
{
    OwnedHandle file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return false;
    const bool written = writeAll(file.get(), contents.data(), contents.size());
    return file.close() && written;
}
