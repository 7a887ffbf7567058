#include "io/SafeWrite.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Names of up to this many bytes keep their name in the temporary one: the
// system's limit (often 255) must hold both.
constexpr std::size_t LongName = 100;

int Injected(const FileStepFault& fault, FileStep step) { return fault ? fault(step) : 0; }

// Runs a step unless a fault is injected into it: 0, or the step's errno.
template <typename Run> int RunStep(const FileStepFault& fault, FileStep step, Run run)
{
    const int injected = Injected(fault, step);
    return injected != 0 ? injected : run();
}

struct LockKeeper {
    int descriptor;
    ~LockKeeper()
    {
        if (descriptor >= 0)
            close(descriptor);
    }
};

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

// 0, or the errno of the write that failed.
int WriteAll(int descriptor, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
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

bool SameFile(int descriptor, const std::string& path)
{
    struct stat open {}, named {};
    return fstat(descriptor, &open) == 0 && lstat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev
           && open.st_ino == named.st_ino;
}

// An exclusive lock, or true where the file system has no locks.
bool Lock(int descriptor)
{
    return flock(descriptor, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
}

// Removes what stands at the temporary name unless a running save holds it.
// 0, or the errno that keeps it: EWOULDBLOCK for a running save.
int RemoveLeftover(const std::string& temporary)
{
    const int descriptor = open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ELOOP)  // a symbolic link is never a save's temporary file
            return unlink(temporary.c_str()) == 0 || errno == ENOENT ? 0 : errno;
        return errno == ENOENT ? 0 : errno;
    }
    int error = 0;
    if (!Lock(descriptor))
        error = EWOULDBLOCK;
    else if (SameFile(descriptor, temporary) && unlink(temporary.c_str()) != 0 && errno != ENOENT)
        error = errno;
    close(descriptor);
    return error;
}

// Creates the temporary file, new and locked. Between the creation and the
// lock another save may take it for a leftover and remove it: then again.
int CreateTemporary(const std::string& temporary, int& error)
{
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int descriptor = open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (descriptor < 0) {
            error = errno == EEXIST ? RemoveLeftover(temporary) : errno;
            if (error != 0)
                return -1;
            continue;
        }
        if (Lock(descriptor) && SameFile(descriptor, temporary))
            return descriptor;
        close(descriptor);
    }
    error = EWOULDBLOCK;
    return -1;
}

}  // namespace

std::string TemporaryFileName(const std::string& name)
{
    if (name.size() <= LongName)
        return "." + name + ".vexlor.tmp";
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return std::string(".vexlor-") + hex + ".tmp";
}

WriteResult WriteWholeFile(const std::string& path, const std::string& bytes, const FileStepFault& fault)
{
    const std::filesystem::path target = RealTarget(path);
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return {FileStep::Target, EINVAL};  // a FIFO or device would become a plain file
    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";

    const std::string temporary = (folder / TemporaryFileName(target.filename().string())).string();
    int error = Injected(fault, FileStep::CreateTemporary);
    const int descriptor = error != 0 ? -1 : CreateTemporary(temporary, error);
    if (descriptor < 0)
        return {FileStep::CreateTemporary, error};
    // The lock lives on the open file, which a duplicate keeps open until the
    // temporary is renamed or removed, after the written descriptor is closed.
    const LockKeeper keeper{fcntl(descriptor, F_DUPFD_CLOEXEC, 0)};

    TakeOverOwnership(descriptor, exists ? &existing : nullptr);
    WriteResult result;
    if ((error = RunStep(fault, FileStep::Write, [&] { return WriteAll(descriptor, bytes); })) != 0)
        result = {FileStep::Write, error};
    else if ((error = RunStep(fault, FileStep::Sync, [&] { return fsync(descriptor) == 0 ? 0 : errno; })) != 0)
        result = {FileStep::Sync, error};
    error = close(descriptor) == 0 ? Injected(fault, FileStep::Close) : errno;
    if (result && error != 0)
        result = {FileStep::Close, error};
    if (result) {
        error = RunStep(fault, FileStep::Rename,
                        [&] { return std::rename(temporary.c_str(), target.c_str()) == 0 ? 0 : errno; });
        if (error != 0)
            result = {FileStep::Rename, error};
    }
    if (!result) {
        unlink(temporary.c_str());
        return result;
    }
    SyncFolder(folder);
    return result;
}

Phrase WriteFailurePhrase(const WriteResult& result)
{
    const int e = result.error;
    if (result.step == FileStep::Target)
        return Marked("Meldung", "das Ziel ist keine gewöhnliche Datei");
    if (result.step == FileStep::CreateTemporary && (e == EACCES || e == EPERM))
        return Marked("Meldung", "kein Schreibrecht im Ordner (die Datei wird über eine Kopie im selben Ordner ersetzt)");
    // A folder of the system (/proc) refuses new files as if it were missing.
    if (result.step == FileStep::CreateTemporary && e == ENOENT)
        return Marked("Meldung", "der Ordner existiert nicht oder nimmt keine Dateien an");
    if (result.step == FileStep::Rename && (e == EACCES || e == EPERM))
        return Marked("Meldung", "keine Erlaubnis, die Datei in ihrem Ordner zu ersetzen");
    switch (e) {
    case EWOULDBLOCK: return Marked("Meldung", "dieselbe Datei wird gerade von einem anderen Programm gesichert");
    case ENOENT: return Marked("Meldung", "der Ordner existiert nicht");
    case ENOTDIR: return Marked("Meldung", "ein Teil des Pfades ist kein Ordner");
    case EROFS: return Marked("Meldung", "der Datenträger ist schreibgeschützt");
    case ENOSPC: return Marked("Meldung", "der Datenträger ist voll");
    case EDQUOT: return Marked("Meldung", "der Speicherplatz des Benutzers ist erschöpft");
    case EFBIG: return Marked("Meldung", "die Datei wäre zu groß");
    case ENAMETOOLONG: return Marked("Meldung", "der Name ist zu lang");
    case EIO: return Marked("Meldung", "Ein-/Ausgabefehler des Datenträgers");
    default: break;
    }
    // Whole sentences per step: the step's name changes the grammar around it.
    static const char* const AtStep[] = {
        Marked("Meldung", "Fehler %1 beim Prüfen des Ziels"),
        Marked("Meldung", "Fehler %1 beim Anlegen der Kopie"),
        Marked("Meldung", "Fehler %1 beim Schreiben"),
        Marked("Meldung", "Fehler %1 beim Übertragen auf den Datenträger"),
        Marked("Meldung", "Fehler %1 beim Schließen"),
        Marked("Meldung", "Fehler %1 beim Ersetzen der Datei")};
    return {AtStep[static_cast<int>(result.step)], {std::to_string(e)}};
}

std::string WriteFailureReason(const WriteResult& result) { return WriteFailurePhrase(result).German(); }
