#pragma once
// A program to start on its own with its arguments, no shell between, so that the program
// found is the one that runs and a program that cannot be started is known at once.

#include <string>
#include <vector>

struct TProgramCall {
    std::string Program; // a path, or a name looked up on the PATH
    std::vector<std::string> Arguments;
};

// The words of a command line as the shell splits them: blanks separate, single quotes keep
// everything, double quotes keep all but a backslash before \ " $ or `, and a backslash
// outside quotes keeps the next character.
std::vector<std::string> CommandWords(const std::string& commandLine);

// The call written out, words joined by blanks, for messages.
std::string CommandText(const TProgramCall& call);

// The full name of an executable file of that name in a folder of the PATH; empty when none.
std::string FindOnPath(const std::string& name);
