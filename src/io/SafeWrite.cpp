#include "io/SafeWrite.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
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

bool WriteAll(int descriptor, const std::string& bytes)
{
    if (Fails(FileStep::Write))
        return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

mode_t NewFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The replaced file's owner and group where we may set them (each on its own:
// a user may give a file to a group of theirs but not to another owner), and
// its mode without the set-ID bits, which a copy must not carry over.
void TakeOverOwnership(int descriptor, const struct stat* existing)
{
    if (!existing) {
        fchmod(descriptor, NewFileMode());
        return;
    }
    if (fchown(descriptor, existing->st_uid, existing->st_gid) != 0)
        (void)!fchown(descriptor, static_cast<uid_t>(-1), existing->st_gid);
    fchmod(descriptor, existing->st_mode & 07777 & ~static_cast<mode_t>(S_ISUID | S_ISGID));
}

// After the rename the folder's entry must reach the disk too.
void SyncFolder(const std::filesystem::path& folder)
{
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    fsync(descriptor);
    close(descriptor);
}

}  // namespace

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    const std::filesystem::path target = RealTarget(path);
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return false;  // a FIFO or device would be replaced by a plain file
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";

    // A fixed short name: a target name near the system's limit still saves.
    std::string temporary = (folder / TemporaryFilePattern).string();
    const int suffix = 4;  // ".tmp"
    const int descriptor = Fails(FileStep::CreateTemporary) ? -1 : mkstemps(temporary.data(), suffix);
    if (descriptor < 0)
        return false;

    TakeOverOwnership(descriptor, exists ? &existing : nullptr);
    const bool written = WriteAll(descriptor, bytes);
    const bool synced = written && !Fails(FileStep::Sync) && fsync(descriptor) == 0;
    const bool closed = close(descriptor) == 0 && !Fails(FileStep::Close);
    if (!(written && synced && closed) || Fails(FileStep::Rename)
        || std::rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}
