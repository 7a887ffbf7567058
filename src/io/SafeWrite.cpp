#include "io/SafeWrite.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

std::function<bool(FileStep)> FailFileStep;

namespace {

bool Fails(FileStep step) { return FailFileStep && FailFileStep(step); }

// The real file behind a chain of symbolic links (bounded, as the system does).
std::filesystem::path RealTarget(std::filesystem::path path)
{
    std::error_code error;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(path, error); ++hops) {
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error)
            break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

bool WriteAndClose(std::FILE* file, const std::string& bytes)
{
    const bool written = !Fails(FileStep::Write) && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size()
                         && std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0 && !Fails(FileStep::Close);
    return written && closed;
}

mode_t NewFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteInPlace(const std::string& target, const std::string& bytes)
{
    std::FILE* file = std::fopen(target.c_str(), "wb");
    return file && WriteAndClose(file, bytes);
}

}  // namespace

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    const std::filesystem::path target = RealTarget(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();

    const int descriptor = Fails(FileStep::CreateTemporary) ? -1 : mkstemp(temporary.data());
    if (descriptor < 0) {
        // No temporary file in the folder: the file itself, if it can be written.
        return access(target.c_str(), W_OK) == 0 && WriteInPlace(target.string(), bytes);
    }

    struct stat existing {};
    const mode_t mode = stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : NewFileMode();
    fchmod(descriptor, mode);
    std::FILE* file = fdopen(descriptor, "wb");
    if (!file) {
        close(descriptor);
        unlink(temporary.c_str());
        return false;
    }
    const bool complete = WriteAndClose(file, bytes);
    if (!complete || Fails(FileStep::Rename) || std::rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}
