#include "rom/rom_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "rom/stream_error.h"

namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports whether the close succeeded (a late write error of the
    // file system shows up here).
    bool close()
    {
        const int fd = std::exchange(fd_, -1);
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

// Reads until end of file or maxBytes; false on a read error.
bool readAll(int fd, std::vector<std::uint8_t>& out, std::size_t sizeHint, std::size_t maxBytes)
{
    // One byte more than the size reported, so that the end shows in the first pass.
    out.assign(std::min(sizeHint < maxBytes ? sizeHint + 1 : maxBytes, maxBytes), 0);
    std::size_t filled = 0;
    while (filled < maxBytes) {
        if (filled == out.size())
            out.resize(std::min(std::max<std::size_t>(out.size() * 2, 4096), maxBytes));
        const ssize_t got = ::read(fd, out.data() + filled, out.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (got == 0)
            break;
        filled += std::size_t(got);
    }
    out.resize(filled);
    return true;
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += std::size_t(put);
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Flushes a folder so that a rename in it survives a crash. Not every file system can
// flush a folder; the data itself has been flushed already, so a refusal is not an
// error.
void syncFolder(const std::string& folder)
{
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

}  // namespace

std::vector<std::uint8_t> readFileBytes(const std::string& path, std::size_t maxBytes)
{
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        throw StreamError::fileNotFound(path);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        throw StreamError::fileNotFound(path);
    std::vector<std::uint8_t> bytes;
    if (!readAll(fd.get(), bytes, std::size_t(info.st_size), maxBytes))
        throw StreamError::notEnoughData();
    return bytes;
}

FileForUpdate readFileForUpdate(const std::string& name)
{
    FileForUpdate file;
    file.path = name;
    struct stat link {};
    if (::lstat(name.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char resolved[PATH_MAX];
        if (!::realpath(name.c_str(), resolved))
            throw StreamError::fileNotFound(name);
        file.path = resolved;
    }

    FileDescriptor fd(::open(file.path.c_str(), O_RDWR | O_CLOEXEC));
    if (!fd.valid()) {
        if (errno != ENOENT)
            throw StreamError::fileNotFound(name);
        file.existed = false;
        file.mode = 0666 & ~currentUmask();
        file.owner = ::geteuid();
        file.group = ::getegid();
        return file;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        throw StreamError::fileNotFound(name);
    file.existed = true;
    file.mode = info.st_mode & 07777;
    file.owner = info.st_uid;
    file.group = info.st_gid;
    if (!readAll(fd.get(), file.bytes, std::size_t(info.st_size), SIZE_MAX - 1))
        throw StreamError::unableToWrite();
    return file;
}

void replaceFile(const FileForUpdate& file, std::span<const std::uint8_t> bytes,
                 const std::string& name, SyncTiming* timing)
{
    const std::string folder = folderOf(file.path);
    std::string tempPath = folder + "/." + baseNameOf(file.path) + ".XXXXXX";
    FileDescriptor fd(::mkstemp(tempPath.data()));
    if (!fd.valid())
        throw StreamError::fileNotFound(name);

    // Until the rename succeeds the temporary file is ours to remove.
    struct TempGuard {
        const std::string& path;
        bool keep = false;
        ~TempGuard()
        {
            if (!keep)
                ::unlink(path.c_str());
        }
    } guard{tempPath};

    if (!writeAll(fd.get(), bytes))
        throw StreamError::unableToWrite();
    if (::fchmod(fd.get(), file.mode) != 0)
        throw StreamError::unableToWrite();
    // Only a privileged process can give a file away; others keep their own files
    // anyway, so a refusal changes nothing that matters.
    if (file.existed && (file.owner != ::geteuid() || file.group != ::getegid()))
        (void)!::fchown(fd.get(), file.owner, file.group);

    using Clock = std::chrono::steady_clock;
    auto started = Clock::now();
    const bool synced = ::fsync(fd.get()) == 0;
    if (timing)
        timing->flush += Clock::now() - started;
    if (!synced || !fd.close())
        throw StreamError::unableToWrite();

    started = Clock::now();
    const bool renamed = ::rename(tempPath.c_str(), file.path.c_str()) == 0;
    if (timing)
        timing->rename += Clock::now() - started;
    if (!renamed)
        throw StreamError::unableToWrite();
    guard.keep = true;

    started = Clock::now();
    syncFolder(folder);
    if (timing)
        timing->flush += Clock::now() - started;
}

void writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes)
{
    FileForUpdate file;
    file.path = path;
    file.mode = 0600;
    file.owner = ::geteuid();
    file.group = ::getegid();
    replaceFile(file, bytes, path);
}
