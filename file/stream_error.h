#pragma once

#include <stdexcept>
#include <string>

#include "jcode/readable_name.h"
#include "text/translation.h"

// The error that loading or saving the ROM image unwinds with. Its text is what the
// user reads in the error box, so only these three texts exist (in the user's language).
class StreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    // The file cannot be opened for the operation (missing, not a regular file, no
    // permission). The name is shown readably, whatever its bytes.
    static StreamError fileNotFound(const std::string& name)
    {
        return StreamError(fillIn(translated("stream_error", "file '%1' not found"), {readableName(name)}));
    }
    // A read past the end of the image.
    static StreamError notEnoughData() { return StreamError(translated("stream_error", "not enough data in stream")); }
    // The new image could not be written out completely.
    static StreamError unableToWrite() { return StreamError(translated("stream_error", "unable to write to stream")); }
};
