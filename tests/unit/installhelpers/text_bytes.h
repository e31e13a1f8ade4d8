// A ByteSource over a string, for feeding readers in tests.
#pragma once

#include "installhelpers/byte_source.h"

#include <cstddef>
#include <string>
#include <utility>

class TextBytes : public ByteSource {
public:
    explicit TextBytes(std::string text) : text_(std::move(text)) {}

    int next() override
    {
        if (position_ == text_.size())
            return End;
        return static_cast<unsigned char>(text_[position_++]);
    }

private:
    std::string text_;
    std::size_t position_ = 0;
};
