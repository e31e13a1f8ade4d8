// A text builder over a caller's fixed buffer (tooltips, window texts): appends what fits,
// always keeps the text terminated and cuts the rest silently.
#pragma once

#include <cstddef>

class BoundedText {
public:
    BoundedText(char* buffer, std::size_t size);

    BoundedText& append(const char* text);
    const char* text() const { return start_; }

private:
    char* start_;
    char* write_;
    std::size_t free_;
};
