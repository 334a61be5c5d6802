#pragma once

// Makes one file system call of the code under test fail on purpose. Linked into a
// test program, it takes the place of the C library's open, openat, write, pwrite,
// fsync, fdatasync, ftruncate, fchmod, mkdir, rename, renameat, renameat2, linkat and
// close (also for the toolkit, whose calls reach the program's own definitions), and
// passes every call on to the real one unless it is the one chosen to fail. Calls on
// standard input, output and error are never counted, so that test reports still
// reach the terminal.

#include <string>
#include <vector>

namespace faults {

// One call made while counting: which function, in the order made.
struct Call {
    std::string function;
    // EINTR is a possible outcome: the call can wait, and a signal can interrupt it.
    bool interruptible = false;
};

// Starts counting calls from zero; with failAt > 0 the call of that number fails
// with `error`: close still closes, as the kernel does, and a write that fails with
// ENOSPC or EIO first writes half its bytes and succeeds, leaving the failure to the
// write for the rest (a disk that fills up part-way). Calls of this thread only.
void start(int failAt = 0, int error = 0);
// Stops counting and returns the calls made since start.
std::vector<Call> stop();
// Whether the chosen call was reached (and failed).
bool failed();

}  // namespace faults
