#pragma once
// The one exception type of the core: carries a message the user can act on.

#include <stdexcept>
#include <string>

class TError : public std::runtime_error {
public:
    explicit TError(const std::string& message) : std::runtime_error(message) {}
};
