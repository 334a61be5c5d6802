#include "faults/fault_injection.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <mutex>
#include <thread>

namespace {

struct State {
    bool counting = false;
    std::thread::id thread;
    int failAt = 0;
    int error = 0;
    bool failed = false;
    int failNextWriteOn = -1;  // the write after a short one fails on this file
    std::vector<faults::Call> calls;
};

State& state()
{
    static State* s = new State;
    return *s;
}

template <typename F>
F real(const char* name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

// Counts a call and says whether it is the one to fail. A call on a standard stream,
// from another thread or outside start..stop is not counted.
bool shouldFail(const char* function, bool interruptible, int fd = -1)
{
    State& s = state();
    if (!s.counting || (fd >= 0 && fd <= 2) || std::this_thread::get_id() != s.thread)
        return false;
    s.calls.push_back({function, interruptible});
    if (int(s.calls.size()) != s.failAt)
        return false;
    s.failed = true;
    return true;
}

int failWith()
{
    errno = state().error;
    return -1;
}

mode_t modeArgument(int flags, va_list& args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(args, int)) : 0;
}

// A disk that fills up, or fails, part-way through a write: the chosen write puts
// half of its bytes down and returns their count, as the kernel does, and the next
// write on the file, the one for the rest, fails. An interrupted write writes nothing.
template <typename Write>
ssize_t writeOrFail(int fd, size_t size, Write write)
{
    State& s = state();
    if (s.failNextWriteOn == fd) {
        s.failNextWriteOn = -1;
        return failWith();
    }
    if (!shouldFail("write", true, fd))
        return write(size);
    if (s.error == EINTR || size < 2)
        return failWith();
    s.failNextWriteOn = fd;
    return write(size / 2);
}

}  // namespace

namespace faults {

void start(int failAt, int error)
{
    State& s = state();
    s.calls.clear();
    s.failAt = failAt;
    s.error = error;
    s.failed = false;
    s.failNextWriteOn = -1;
    s.thread = std::this_thread::get_id();
    s.counting = true;
}

std::vector<Call> stop()
{
    State& s = state();
    s.counting = false;
    s.failNextWriteOn = -1;
    return std::move(s.calls);
}

bool failed()
{
    return state().failed;
}

}  // namespace faults

extern "C" {

int open(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    if (shouldFail("open", true))
        return failWith();
    return real<int (*)(const char*, int, ...)>("open")(path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    if (shouldFail("open", true))
        return failWith();
    return real<int (*)(const char*, int, ...)>("open64")(path, flags, mode);
}

int openat(int dir, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    if (shouldFail("openat", true))
        return failWith();
    return real<int (*)(int, const char*, int, ...)>("openat")(dir, path, flags, mode);
}

int openat64(int dir, const char* path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    if (shouldFail("openat", true))
        return failWith();
    return real<int (*)(int, const char*, int, ...)>("openat64")(dir, path, flags, mode);
}

ssize_t write(int fd, const void* buffer, size_t size)
{
    return writeOrFail(fd, size,
                       [&](size_t n) { return real<ssize_t (*)(int, const void*, size_t)>("write")(fd, buffer, n); });
}

ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset)
{
    return writeOrFail(fd, size, [&](size_t n) {
        return real<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite")(fd, buffer, n, offset);
    });
}

ssize_t pwrite64(int fd, const void* buffer, size_t size, off64_t offset)
{
    return writeOrFail(fd, size, [&](size_t n) {
        return real<ssize_t (*)(int, const void*, size_t, off64_t)>("pwrite64")(fd, buffer, n, offset);
    });
}

int fsync(int fd)
{
    if (shouldFail("fsync", false, fd))
        return failWith();
    return real<int (*)(int)>("fsync")(fd);
}

int fdatasync(int fd)
{
    if (shouldFail("fdatasync", false, fd))
        return failWith();
    return real<int (*)(int)>("fdatasync")(fd);
}

int ftruncate(int fd, off_t length)
{
    if (shouldFail("ftruncate", true, fd))
        return failWith();
    return real<int (*)(int, off_t)>("ftruncate")(fd, length);
}

int ftruncate64(int fd, off64_t length)
{
    if (shouldFail("ftruncate", true, fd))
        return failWith();
    return real<int (*)(int, off64_t)>("ftruncate64")(fd, length);
}

int fchmod(int fd, mode_t mode)
{
    if (shouldFail("fchmod", false, fd))
        return failWith();
    return real<int (*)(int, mode_t)>("fchmod")(fd, mode);
}

int mkdir(const char* path, mode_t mode)
{
    if (shouldFail("mkdir", false))
        return failWith();
    return real<int (*)(const char*, mode_t)>("mkdir")(path, mode);
}

int rename(const char* from, const char* to)
{
    if (shouldFail("rename", false))
        return failWith();
    return real<int (*)(const char*, const char*)>("rename")(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    if (shouldFail("renameat", false))
        return failWith();
    return real<int (*)(int, const char*, int, const char*)>("renameat")(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags)
{
    if (shouldFail("renameat2", false))
        return failWith();
    return real<int (*)(int, const char*, int, const char*, unsigned int)>("renameat2")(fromDir, from, toDir, to,
                                                                                        flags);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    if (shouldFail("linkat", false))
        return failWith();
    return real<int (*)(int, const char*, int, const char*, int)>("linkat")(fromDir, from, toDir, to, flags);
}

// The descriptor is gone whatever close returns, on Linux also after EINTR.
int close(int fd)
{
    const bool fail = shouldFail("close", true, fd);
    const int result = real<int (*)(int)>("close")(fd);
    return fail ? failWith() : result;
}

}  // extern "C"
