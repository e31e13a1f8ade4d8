#include "installhelpers/byte_source.h"

int FileByteSource::next()
{
    const int byte = std::fgetc(file_);
    return byte == EOF ? End : byte;
}
