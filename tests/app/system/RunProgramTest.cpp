#include "app/system/RunProgram.h"

#include "app/GuiTest.h"

TEST(RunProgram, RunsThroughTheShellInTheGivenFolderAndReportsFailures) {
    TestApp();
    std::string dir = TestFolder();
    QString before = QDir::currentPath();
    // Command, folder, whether it ran, part of the message ("" for none).
    const std::tuple<const char*, std::string, bool, const char*> cases[] = {
        {"pwd > where.txt", dir, true, ""},
        {"no-such-program-tessaryn", dir, false, "not found"},
        {"echo 'bad input' >&2; exit 3", dir, false, "bad input"},
        {"exit 4", dir, false, "\"exit 4\" failed:\nIt ended with status 4."},
        {"true", dir + "missing", false, "Could not start"},
    };
    for (const auto& [command, folder, ran, part] : cases) {
        std::string reported;
        EXPECT_EQ(RunProgramAndWait(command, folder,
                                    [&](const std::string& message) { reported = message; }),
                  ran)
            << command;
        EXPECT_TRUE(*part ? reported.find(part) != std::string::npos : reported.empty())
            << command << ": " << reported;
    }
    EXPECT_EQ(TTempFolder::Read(dir + "where.txt"),
              std::filesystem::canonical(dir).string() + "\n");
    EXPECT_EQ(QDir::currentPath(), before);
}

// Viewers and POV-Ray start on their own: a program that cannot start is reported at once,
// the failing end of one that started is nobody's news.
TEST(StartDetached, ReportsOnlyAProgramThatCannotStart) {
    TestApp();
    std::string reported;
    auto report = [&](const std::string& message) { reported += message; };
    EXPECT_FALSE(StartDetached({"no-such-viewer-tessaryn", {"-s1"}}, TestFolder(), report));
    EXPECT_EQ(reported.rfind("Could not start \"no-such-viewer-tessaryn -s1\":\n", 0), 0u);
    reported.clear();
    EXPECT_TRUE(StartDetached({"sh", {"-c", "exit 3"}}, TestFolder(), report));
    QTest::qWait(300);
    EXPECT_EQ(reported, "");
}
