#include "file/file_access.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <utility>

#include "file/file_name.h"
#include "file/stream_error.h"
#include "memory/fresh_pages.h"

namespace {

// open, tried again when a signal interrupts it: a slow file system can take long
// enough for that, and the interruption says nothing about the file.
int openRetrying(const char* path, int flags, mode_t mode = 0)
{
    int fd;
    do
        fd = ::open(path, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

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
    int release() { return std::exchange(fd_, -1); }
    void reset(int fd)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    // Closes now and reports whether the close succeeded (a late write error of the
    // file system shows up here). An interrupted close has still closed the file on
    // Linux, and the data was flushed before: that is no failure.
    bool close()
    {
        const int fd = std::exchange(fd_, -1);
        return fd < 0 || ::close(fd) == 0 || errno == EINTR;
    }

private:
    int fd_;
};

// While it lives, a write beyond the process's file size limit fails with EFBIG
// instead of ending the process with SIGXFSZ: the write's own error reports it, and
// the user keeps the edits that were being saved.
class FileSizeSignalBlock {
public:
    FileSizeSignalBlock()
    {
        sigemptyset(&signal_);
        sigaddset(&signal_, SIGXFSZ);
        pthread_sigmask(SIG_BLOCK, &signal_, &previous_);
    }
    FileSizeSignalBlock(const FileSizeSignalBlock&) = delete;
    FileSizeSignalBlock& operator=(const FileSizeSignalBlock&) = delete;
    ~FileSizeSignalBlock()
    {
        // Take back the signal a failed write left pending before it can be delivered.
        if (!sigismember(&previous_, SIGXFSZ)) {
            sigset_t pending;
            if (sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ)) {
                const timespec noWait{};
                sigtimedwait(&signal_, nullptr, &noWait);
            }
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }

private:
    sigset_t signal_;
    sigset_t previous_;
};

// Opens a regular file without ever blocking: a FIFO would wait in open for the other
// end, a device may do anything. The name is looked at before the open, the file
// itself after it, in case the name changed in between. Returns -1 (errno set) on
// failure, ENOENT only for a file that does not exist.
int openRegularFile(const std::string& path, int flags)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        errno = EINVAL;
        return -1;
    }
    FileDescriptor fd(openRetrying(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid())
        return -1;
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        errno = EINVAL;
        return -1;
    }
    const int status = ::fcntl(fd.get(), F_GETFL);
    if (status != -1)
        ::fcntl(fd.get(), F_SETFL, status & ~O_NONBLOCK);
    return fd.release();
}

// Reads until end of file or maxBytes; false on a read error.
bool readAll(int fd, std::vector<std::uint8_t>& out, std::size_t sizeHint, std::size_t maxBytes)
{
    // One byte more than the size reported, so that the end shows in the first pass.
    assignMapped<std::uint8_t>(out, std::min(sizeHint < maxBytes ? sizeHint + 1 : maxBytes, maxBytes), 0);
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

bool writeAll(int fd, std::span<const std::uint8_t> bytes, off_t offset)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + off_t(done));
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
    FileDescriptor dir(openRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

// Extended attributes that a replacement would not carry over. The security label is
// given to every new file by the system's policy, so it does not count.
bool hasExtendedAttributes(int fd)
{
    const ssize_t size = ::flistxattr(fd, nullptr, 0);
    if (size <= 0)
        return false;
    std::string names(std::size_t(size), '\0');
    const ssize_t got = ::flistxattr(fd, names.data(), names.size());
    if (got <= 0)
        return got != 0;  // the list changed under us: be careful
    for (std::size_t at = 0; at < std::size_t(got);) {
        const std::string name(names.c_str() + at);
        if (name != "security.selinux")
            return true;
        at += name.size() + 1;
    }
    return false;
}

// The editor's own temporary files for an image are named
// ".<image name>.quarrix-save-" and six letters or digits, so that leftovers of a
// save that was killed can be told from everything else in the user's folder.
constexpr const char* kTemporaryMarker = ".quarrix-save-";
constexpr std::size_t kTemporaryRandomLength = 6;
// Keeps the temporary name within the longest file name the system allows.
constexpr std::size_t kLongestBaseInTemporaryName = 200;

std::string temporaryPrefix(const std::string& path)
{
    std::string prefix(1, '.');
    prefix += fileNameOf(path).substr(0, kLongestBaseInTemporaryName);
    prefix += kTemporaryMarker;
    return prefix;
}

std::string randomLetters()
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 2);
    std::string letters(kTemporaryRandomLength, 'A');
    for (char& c : letters)
        c = kAlphabet[pick(generator)];
    return letters;
}

// The new image while it is being written: unnamed where the file system allows, so
// that a process killed meanwhile leaves nothing behind; named only just before the
// rename. Until the rename succeeds a named file is removed again.
class TemporaryFile {
public:
    TemporaryFile(const std::string& folder, std::string prefix) : folder_(folder), prefix_(std::move(prefix))
    {
        fd_.reset(openRetrying(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
        if (fd_.valid() || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
            return;
        std::string pattern = folder + "/" + prefix_ + "XXXXXX";
        fd_.reset(::mkstemp(pattern.data()));
        if (fd_.valid())
            name_ = pattern;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (!name_.empty() && !renamed_)
            ::unlink(name_.c_str());
    }

    bool valid() const { return fd_.valid(); }
    int fd() const { return fd_.get(); }

    // Links an unnamed file into the folder under a fresh hidden name.
    bool giveName()
    {
        if (!name_.empty())
            return true;
        const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = folder_ + "/" + prefix_ + randomLetters();
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
                // Without /proc only a privileged process can link by descriptor.
                (errno != EEXIST && ::linkat(fd_.get(), "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)) {
                name_ = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    bool renameTo(const std::string& path)
    {
        renamed_ = ::rename(name_.c_str(), path.c_str()) == 0;
        return renamed_;
    }

private:
    std::string folder_;
    std::string prefix_;
    FileDescriptor fd_;
    std::string name_;
    bool renamed_ = false;
};

// Removes the temporary files that earlier saves of the same image left when they
// were killed between naming their file and renaming it.
void removeLeftoverTemporaries(const std::string& folder, const std::string& prefix)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() != prefix.size() + kTemporaryRandomLength || !name.starts_with(prefix))
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

}  // namespace

std::vector<std::uint8_t> readFileBytes(const std::string& path, std::size_t maxBytes)
{
    FileDescriptor fd(openRegularFile(path, O_RDONLY));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0)
        throw StreamError::fileNotFound(path);
    std::vector<std::uint8_t> bytes;
    if (!readAll(fd.get(), bytes, std::size_t(info.st_size), maxBytes))
        throw StreamError::notEnoughData();
    return bytes;
}

bool fileHolds(const std::string& path, std::span<const std::uint8_t> bytes)
{
    FileDescriptor fd(openRegularFile(path, O_RDONLY));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || std::uint64_t(info.st_size) != bytes.size())
        return false;
    // In pieces through one small buffer: a whole copy would be as large as the file.
    std::uint8_t piece[16384];
    std::size_t compared = 0;
    for (;;) {
        const ssize_t got = ::read(fd.get(), piece, sizeof piece);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0 && compared == bytes.size();
        if (std::size_t(got) > bytes.size() - compared ||
            std::memcmp(piece, bytes.data() + compared, std::size_t(got)) != 0)
            return false;
        compared += std::size_t(got);
    }
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

    FileDescriptor fd(openRegularFile(file.path, O_RDWR));
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
    if (::fstat(fd.get(), &info) != 0)
        throw StreamError::fileNotFound(name);
    file.existed = true;
    file.mode = info.st_mode & 07777;
    file.owner = info.st_uid;
    file.group = info.st_gid;
    file.device = info.st_dev;
    file.inode = info.st_ino;
    file.mustStayInPlace = info.st_nlink > 1 || hasExtendedAttributes(fd.get());
    if (!readAll(fd.get(), file.bytes, std::size_t(info.st_size), SIZE_MAX - 1))
        throw StreamError::unableToWrite();
    file.size = file.bytes.size();
    return file;
}

namespace {

// replaceFile, but returns false instead of throwing when the folder takes no new file.
bool replaceFileIfFolderAllows(const FileForUpdate& file, std::span<const std::uint8_t> bytes, SyncTiming* timing)
{
    const std::string folder = folderOf(file.path);
    const std::string prefix = temporaryPrefix(file.path);
    TemporaryFile temporary(folder, prefix);
    if (!temporary.valid())
        return false;

    const FileSizeSignalBlock sizeLimitIsAnError;
    if (!writeAll(temporary.fd(), bytes, 0))
        throw StreamError::unableToWrite();
    if (::fchmod(temporary.fd(), file.mode) != 0)
        throw StreamError::unableToWrite();
    // Only a privileged process can give a file away; others keep their own files
    // anyway, so a refusal changes nothing that matters.
    if (file.existed && (file.owner != ::geteuid() || file.group != ::getegid()))
        (void)!::fchown(temporary.fd(), file.owner, file.group);

    using Clock = std::chrono::steady_clock;
    auto started = Clock::now();
    const bool synced = ::fsync(temporary.fd()) == 0;
    if (timing)
        timing->flush += Clock::now() - started;
    if (!synced || !temporary.giveName())
        throw StreamError::unableToWrite();

    // Renamed at once after it got its name, so that a process killed now leaves a
    // named temporary file as rarely as possible.
    started = Clock::now();
    const bool renamed = temporary.renameTo(file.path);
    if (timing)
        timing->rename += Clock::now() - started;
    if (!renamed)
        throw StreamError::unableToWrite();

    started = Clock::now();
    syncFolder(folder);
    if (timing)
        timing->flush += Clock::now() - started;
    removeLeftoverTemporaries(folder, prefix);
    return true;
}

}  // namespace

void replaceFile(const FileForUpdate& file, std::span<const std::uint8_t> bytes, const std::string& name,
                 SyncTiming* timing)
{
    if (!replaceFileIfFolderAllows(file, bytes, timing))
        throw StreamError::fileNotFound(name);
}

void writeFileInPlace(const FileForUpdate& file, std::span<const std::uint8_t> bytes, ByteRange changed,
                      const std::string& name, std::span<const std::uint8_t> previous)
{
    // The file must still be the one that was read, at the size it had: anything else
    // (another file put in its place, a kernel file whose size says nothing) is not
    // the file to write into.
    FileDescriptor fd(openRegularFile(file.path, O_WRONLY));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || info.st_dev != file.device || info.st_ino != file.inode ||
        std::size_t(info.st_size) != file.size)
        throw StreamError::fileNotFound(name);

    // Only the bytes that change are written, so that a failure part-way has touched
    // as little as possible.
    const FileSizeSignalBlock sizeLimitIsAnError;
    const bool written =
        (changed.empty() ||
         writeAll(fd.get(), bytes.subspan(changed.first, changed.end - changed.first), off_t(changed.first))) &&
        (bytes.size() >= file.size || ::ftruncate(fd.get(), off_t(bytes.size())) == 0) && ::fsync(fd.get()) == 0;
    if (!written) {
        // A disk that filled up or failed part-way: the old bytes go back, so that the
        // file is not left half old and half new.
        if (!changed.empty())
            writeAll(fd.get(), previous, off_t(changed.first));
        if (bytes.size() > file.size)
            (void)!::ftruncate(fd.get(), off_t(file.size));
        ::fsync(fd.get());
        throw StreamError::unableToWrite();
    }
    if (!fd.close())
        throw StreamError::unableToWrite();
}

UpdateMethod updateFile(const FileForUpdate& file, std::span<const std::uint8_t> bytes, ByteRange changed,
                        const std::string& name, std::span<const std::uint8_t> previous, SyncTiming* timing)
{
    if (file.existed && file.mustStayInPlace) {
        writeFileInPlace(file, bytes, changed, name, previous);
        return UpdateMethod::InPlace;
    }
    if (replaceFileIfFolderAllows(file, bytes, timing))
        return UpdateMethod::Replaced;
    // A folder that takes no new file can still hold a file that may be written.
    if (!file.existed)
        throw StreamError::fileNotFound(name);
    writeFileInPlace(file, bytes, changed, name, previous);
    return UpdateMethod::InPlace;
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

void removeSaveLeftovers(const std::string& path)
{
    char resolved[PATH_MAX];
    const std::string real = ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
    removeLeftoverTemporaries(folderOf(real), temporaryPrefix(real));
}

void writeOutputFile(const std::string& path, std::span<const std::uint8_t> bytes)
{
    FileForUpdate file;
    file.path = path;
    char resolved[PATH_MAX];
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) && ::realpath(path.c_str(), resolved))
        file.path = resolved;
    if (::stat(file.path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            throw StreamError::fileNotFound(path);
        file.existed = true;
        file.mode = info.st_mode & 0777;
        file.owner = info.st_uid;
        file.group = info.st_gid;
    } else {
        file.mode = 0666 & ~currentUmask();
        file.owner = ::geteuid();
        file.group = ::getegid();
    }
    replaceFile(file, bytes, path);
}

bool isSameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
        first.st_ino == second.st_ino;
}
