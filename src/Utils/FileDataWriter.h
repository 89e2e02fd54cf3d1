#pragma once
#include "Utils/DataWriter.h"

#include <string>

namespace Utils {

// Writes to a file on the target disk; platform errors become the disk
// exceptions (full disk, lost handle, other write failures).
class FileDataWriter : public DataWriter {
public:
    enum class OpenMode {
        Truncate,  // an existing file is emptied
        CreateNew, // an existing file is an error: never overwrite what is there
    };

    explicit FileDataWriter(const std::string& path, OpenMode mode = OpenMode::Truncate);
    ~FileDataWriter() override;

    FileDataWriter(const FileDataWriter&) = delete;
    FileDataWriter& operator=(const FileDataWriter&) = delete;

    void Write(const char* data, size_t size) override;
    void Flush() override;
    void Close() override;

private:
    std::string path;
    int fd = -1;
};

}
