#pragma once

#include <stdexcept>

// The connected decoder is of another kind than the one the settings were read from, so writing
// them could misconfigure it. Not a link error: a handler for link errors does not catch it.
class CompatibilityError : public std::runtime_error {
public:
    CompatibilityError() : std::runtime_error("") {}
};
