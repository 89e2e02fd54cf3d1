#include "Utils/BufferDataWriter.h"

#include "DataRecovery/Exceptions.h"

#include <cstring>

namespace Utils {

void BufferDataWriter::Write(const char* data, size_t size)
{
    if (size > capacity - position)
        throw Exceptions::DataWriterException("Buffer overflow");
    if (size == 0)
        return;
    std::memcpy(buffer + position, data, size);
    position += size;
}

}
