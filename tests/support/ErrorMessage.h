#pragma once
// The message of the error an action raises, so a test can compare it in one line.

#include <exception>
#include <string>

// The message of the TError (or other exception) that action raises; empty when none.
template <class F> std::string MessageOf(F action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}
