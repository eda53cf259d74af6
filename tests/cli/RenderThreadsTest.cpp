// tessaryn-cli render and sequence on any number of threads write the same bytes.

#include "cli/Cli.h"
#include "support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace {

std::string Bytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int RunTool(const std::vector<std::string>& args, std::string& error) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    error = err.str();
    return status;
}

const std::string Shipped = TESSARYN_SHIPPED_DATA;

} // namespace

TEST(RenderThreads, EveryThreadCountWritesTheSamePicture) {
    TTempFolder folder;
    std::string error;
    const std::vector<std::vector<std::string>> options = {
        {"--shading"}, {"--wireframe", "--bpp", "16"}, {"--antialias", "--studs", "2"}};
    for (const auto& extra : options) {
        std::string first;
        for (const char* threads : {"1", "2", "3", "5"}) {
            const std::string out = folder.File(std::string("house-") + threads + ".bmp");
            std::vector<std::string> args = {
                "--app-dir", Shipped, "render", Shipped + "Models/house.lgo",
                "-o",        out,     "--size", "320x240",
                "--threads", threads};
            args.insert(args.end(), extra.begin(), extra.end());
            ASSERT_EQ(RunTool(args, error), 0) << error;
            if (first.empty())
                first = Bytes(out);
            else
                EXPECT_EQ(Bytes(out), first) << extra[0] << " on " << threads << " threads";
        }
    }
}

TEST(RenderThreads, ACountOutOfRangeIsRefusedByName) {
    std::string error;
    for (const char* bad : {"0", "-2", "many"}) {
        EXPECT_NE(RunTool({"render", Shipped + "Models/house.lgo", "-o", "/nonexistent/x.bmp",
                           "--threads", bad},
                          error),
                  0);
        EXPECT_NE(error.find("--threads"), std::string::npos) << error;
    }
}
