// The window's external renderer routes, with a stand-in for the converter and the ray tracer.
#include "app/GuiTest.h"
#include "support/ScopedPath.h"

namespace {

void WriteScript(const std::string& name, const std::string& body) {
    WriteFile(name, "#!/bin/sh\n" + body);
    std::filesystem::permissions(name, std::filesystem::perms::owner_all);
}

} // namespace

// "LDraw this view" starts the viewer found only in the LDraw folder under a bare name, or,
// when the configured one is found nowhere, LeoCAD from the PATH with the window's view (tilted
// 70 degrees from straight down, turned 30). Either goes on after the window has closed.
TEST(ExternalRenderers, TheViewerFoundStartsAndOutlivesTheWindow) {
    for (auto [program, arguments] :
         {std::pair{"viewer", "-s1 -b"},
          {"no-such-viewer", "--orthographic --camera-angles 20 330 "}}) {
        std::string lib = TestFolder();
        const char* script = "sleep 1\necho \"$@\" > args.txt\n";
        WriteScript(lib + "viewer", script);
        std::filesystem::create_directories(lib + "bin");
        WriteScript(lib + "bin/leocad", script);
        TScopedPath path(lib + "bin:/usr/bin:/bin");
        WriteFile(lib + "s.ini", "[Main]\r\nLDrawLib=" + lib + "\r\nLDrawProg=" + program + "\r\n");
        auto form = NewForm(lib + "s.ini");
        ASSERT_TRUE(form->LDrawthisview1->isEnabled()) << program;
        form->LDrawthisview1->trigger();
        form.reset();
        QTest::qWaitFor([&] { return !TTempFolder::Read(lib + "args.txt").empty(); }, 10000);
        EXPECT_EQ(TTempFolder::Read(lib + "args.txt").rfind(arguments, 0), 0u) << program;
    }
}

TEST(ExternalRenderers, L3PRouteRunsTheConverterPatchesItsSceneAndStartsPovRay) {
    std::string lib = TestFolder();
    WriteScript(lib + "l3p-standin.sh", "test -f models/test.dat || exit 1\n"
                                        "printf '// Background:\\nbackground { rgb 1 }\\n"
                                        "camera {\\n  location <0,0,0>\\n  look_at <0,0,0>\\n}\\n'"
                                        " > test.pov\n");
    // A stand-in for the ray tracer writes down its arguments.
    WriteScript(lib + "povray.sh", "echo \"$@\" > povray-args.txt\n");
    WriteFile(lib + "s.ini", "[Main]\r\nVersion=2\r\nLDrawLib=" + lib +
                                 "\r\nPovRayEng=./povray.sh\r\nLDrawTest=models/test.dat\r\n"
                                 "L3PCmd=./l3p-standin.sh\r\n");
    auto form = NewForm(lib + "s.ini");
    ASSERT_TRUE(form->L3pov->isEnabled());
    form->L3pov->trigger();
    std::string scene = TTempFolder::Read(lib + "test.pov");
    EXPECT_NE(scene.find("\r\n    angle 25\r\n}\r\n"), std::string::npos) << scene;
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !TTempFolder::Read(lib + "povray-args.txt").empty(); }));
    EXPECT_EQ(TTempFolder::Read(lib + "povray-args.txt"), "+Itest.pov -V +W320 +H240\n");
}
