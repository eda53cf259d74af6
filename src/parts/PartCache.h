#pragma once
// The program-wide cache of part definitions, keyed by File:Part without regard to case.
// Definitions keep their addresses until the cache is emptied: bricks point at them.

#include <memory>
#include <string>
#include <vector>

class TDrawClass;

// The cached definition; loaded from the part files on first use (their errors propagate, and
// nothing is cached then).
TDrawClass& GetDrawClass(const std::string& file, const std::string& part);
// Adds a definition under its own FileName:PartName unless that key is present; returns the
// cached definition for the key (the given one is dropped when another was there first).
TDrawClass& RegisterDrawClass(std::unique_ptr<TDrawClass> definition);
// The cached definition for File:Part, or nullptr; never loads.
TDrawClass* FindDrawClass(const std::string& file, const std::string& part);
// Every cached definition, in the order they were added.
std::vector<TDrawClass*> CachedDrawClasses();
// Frees every definition; for program exit and tests (no brick may still point at one).
void ClearDrawClasses();
