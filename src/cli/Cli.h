#pragma once
// The command-line tool over the core: parses the arguments, runs one command.

#include <iosfwd>
#include <string>
#include <vector>

// Runs tessaryn-cli with the arguments after the program name. Output goes to out, the one
// error line to err; returns the exit status (0 success, 1 failure). Without --app-dir, AppDir
// is chosen as at the program's start when startAppDir is set (the executable does so); other
// callers keep the AppDir they set.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool startAppDir = false);
