#pragma once

#include <stdexcept>
#include <string>

#include "jcode/readable_name.h"

// The error that loading or saving the ROM image unwinds with. Its text is what the
// user reads in the error box, so only these three texts exist.
class StreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    // The file cannot be opened for the operation (missing, not a regular file, no
    // permission). The name is shown readably, whatever its bytes.
    static StreamError fileNotFound(const std::string& name)
    {
        return StreamError("file '" + readableName(name) + "' not found");
    }
    // A read past the end of the image.
    static StreamError notEnoughData() { return StreamError("not enough data in stream"); }
    // The new image could not be written out completely.
    static StreamError unableToWrite() { return StreamError("unable to write to stream"); }
};
