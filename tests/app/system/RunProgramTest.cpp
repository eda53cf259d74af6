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

TEST(RunProgram, ProgramLeftRunningReportsAMissingProgramAndEndsQuietlyWithItsOwner) {
    TestApp();
    std::string dir = TestFolder();
    QObject owner;
    std::string reported;
    EXPECT_TRUE(RunProgram("no-such-viewer-tessaryn -s1", dir, &owner,
                           [&](const std::string& message) { reported = message; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !reported.empty(); }));
    EXPECT_NE(reported.find("no-such-viewer-tessaryn"), std::string::npos) << reported;

    // The owner going while the program runs ends it quietly.
    int reports = 0;
    {
        QObject shortLived;
        EXPECT_TRUE(
            RunProgram("sleep 30", dir, &shortLived, [&](const std::string&) { ++reports; }));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(reports, 0);
}
