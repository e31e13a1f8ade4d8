#include "base/system_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool failed(std::string* failure)
{
    if (failure != nullptr)
        *failure = std::strerror(errno);
    return false;
}

bool writeAll(int descriptor, const char* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(descriptor, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

bool writeFileDurably(const std::string& path, const char* bytes, std::size_t size, std::string* failure)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return failed(failure);
    if (!writeAll(descriptor, bytes, size) || ::fsync(descriptor) != 0) {
        const int error = errno;
        ::close(descriptor);
        errno = error;
        return failed(failure);
    }
    return ::close(descriptor) == 0 || failed(failure);
}

bool moveFileReplacing(const std::string& from, const std::string& to, std::string* failure)
{
    return std::rename(from.c_str(), to.c_str()) == 0 || failed(failure);
}

bool appendToFile(const std::string& path, const std::string& contents)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return false;
    const bool written = writeAll(descriptor, contents.data(), contents.size());
    return ::close(descriptor) == 0 && written;
}
