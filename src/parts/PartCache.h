#pragma once
// The program-wide cache of part definitions, keyed by File:Part without regard to case.

#include <string>

class TDrawClass;

// The cached definition; loaded from the part files on first use (their errors propagate).
TDrawClass& GetDrawClass(const std::string& file, const std::string& part);
