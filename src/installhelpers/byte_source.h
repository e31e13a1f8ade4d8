// Where a reader takes its bytes from: an open file, or a text in a test.
#pragma once

#include <cstdio>

class ByteSource {
public:
    static constexpr int End = -1;

    virtual ~ByteSource() = default;
    // The next byte (0 to 255), or End once the bytes are used up.
    virtual int next() = 0;
};

// Reads a file opened in binary mode; the caller keeps and closes the file.
class FileByteSource : public ByteSource {
public:
    explicit FileByteSource(std::FILE* file) : file_(file) {}
    int next() override;

private:
    std::FILE* file_;
};
