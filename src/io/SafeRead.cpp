#include "io/SafeRead.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor however the read ends.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            close(fd);
    }
};

ReadResult ReadOpenFile(const Descriptor& file, std::size_t limit, std::string& bytes)
{
    struct stat info {};
    if (file.fd < 0 || fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode))
        return ReadResult::CannotOpen;
    if (static_cast<unsigned long long>(info.st_size) > limit)
        return ReadResult::TooLarge;
    // The size may change while we read: never more than one byte past the limit.
    std::string data(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t count = 0;
    for (;;) {
        if (count == data.size()) {
            if (data.size() > limit)
                return ReadResult::TooLarge;
            data.resize(std::min(data.size() * 2, limit + 1));
        }
        const ssize_t n = read(file.fd, data.data() + count, data.size() - count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return ReadResult::CannotOpen;
        if (n == 0)
            break;
        count += static_cast<std::size_t>(n);
    }
    if (count > limit)
        return ReadResult::TooLarge;
    data.resize(count);
    bytes = std::move(data);
    return ReadResult::Read;
}

}  // namespace

ReadResult ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes)
{
    const Descriptor file{open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    try {
        return ReadOpenFile(file, limit, bytes);
    } catch (const std::bad_alloc&) {
        return ReadResult::OutOfMemory;
    }
}
