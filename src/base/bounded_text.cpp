#include "base/bounded_text.h"

BoundedText::BoundedText(char* buffer, std::size_t size)
    : start_(buffer), write_(buffer), free_(size > 0 ? size - 1 : 0)
{
    if (size > 0)
        *write_ = '\0';
}

BoundedText& BoundedText::append(const char* text)
{
    if (text == nullptr || start_ == nullptr)
        return *this;
    while (free_ > 0 && *text != '\0') {
        *write_++ = *text++;
        --free_;
    }
    *write_ = '\0';
    return *this;
}
