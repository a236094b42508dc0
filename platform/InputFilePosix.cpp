#include "platform/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool QueryInputFileSize(const char* path, uint64_t* size)
{
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info;
    const bool regular = fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
    close(fd);
    if (!regular) return false;
    *size = static_cast<uint64_t>(info.st_size);
    return true;
}

std::FILE* OpenInputForPass(const char* path)
{
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return nullptr;
    struct stat info;
    if (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}
