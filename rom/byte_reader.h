#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "file/stream_error.h"

// Reads bytes at absolute offsets from an image held in memory. Any read that would
// go past the end throws "not enough data in stream"; seeking anywhere is allowed,
// as with a file, and only the read that follows fails.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    void seek(std::size_t offset) { position_ = offset; }
    std::size_t position() const { return position_; }

    std::uint8_t readByte()
    {
        if (position_ >= bytes_.size())
            throw StreamError::notEnoughData();
        return bytes_[position_++];
    }

    // Reads destination.size() bytes, all or none.
    void read(std::span<std::uint8_t> destination)
    {
        if (position_ > bytes_.size() || bytes_.size() - position_ < destination.size())
            throw StreamError::notEnoughData();
        std::copy_n(bytes_.begin() + std::ptrdiff_t(position_), destination.size(), destination.begin());
        position_ += destination.size();
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
};
