#pragma once

#include <cstddef>
#include <functional>
#include <string>

// Removes all but the `keep` newest regular files of folder whose names isOurs
// accepts, newest by modification time and, where times are equal (a coarse clock),
// by name. A file that cannot be removed stays; the next call tries again.
void keepNewestFiles(const std::string& folder, std::size_t keep,
                     const std::function<bool(const std::string& name)>& isOurs);
