#pragma once
// Runs the command-line tool in-process with a private folder, keeping what it printed.

#include "base/FileNames.h"
#include "cli/Cli.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

class CliFixture : public ::testing::Test {
protected:
    void TearDown() override { SetAppDir(ExecutableDir()); }

    // Runs with appDir as the program's folder, which holds the mapping table.
    int RunIn(const std::string& appDir, std::vector<std::string> args) {
        args.insert(args.begin(), {"--app-dir", appDir});
        Out.str(""), Err.str("");
        return RunCli(args, Out, Err);
    }

    TTempFolder Folder;
    std::ostringstream Out, Err;
};
