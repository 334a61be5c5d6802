#pragma once

#include <stdexcept>

// Why a patch cannot be made or applied, in words the user reads after "cannot apply
// ...: ". Nothing has been written when it is thrown.
class PatchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
