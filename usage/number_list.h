#pragma once

#include <span>
#include <string>

// Ascending item numbers as two hexadecimal digits each, runs of three or more as a
// range: "00-0F, 12, 14, 1A-1C". An empty list reads "none".
std::string compactNumberList(std::span<const int> numbers);
