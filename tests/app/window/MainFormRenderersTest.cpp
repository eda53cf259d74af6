// The window's external renderer routes, with a stand-in for the converter and the ray tracer.
#include "app/GuiTest.h"

namespace {

void WriteScript(const std::string& name, const std::string& body) {
    WriteFile(name, "#!/bin/sh\n" + body);
    std::filesystem::permissions(name, std::filesystem::perms::owner_all);
}

// A window whose library folder holds a stand-in for the ray tracer that writes down its
// arguments, with the further settings given.
std::unique_ptr<TMainForm> FormWithRayTracer(const std::string& lib, const std::string& more) {
    WriteScript(lib + "povray.sh", "echo \"$@\" > povray-args.txt\n");
    WriteFile(lib + "s.ini",
              "[Main]\r\nVersion=2\r\nLDrawLib=" + lib + "\r\nPovRayEng=./povray.sh\r\n" + more);
    return NewForm(lib + "s.ini");
}

bool RayTracerRan(const std::string& lib) {
    return QTest::qWaitFor([&] { return !TTempFolder::Read(lib + "povray-args.txt").empty(); });
}

} // namespace

TEST(ExternalRenderers, L3PRouteRunsTheConverterPatchesItsSceneAndStartsPovRay) {
    std::string lib = TestFolder();
    WriteScript(lib + "l3p-standin.sh", "test -f models/test.dat || exit 1\n"
                                        "printf '// Background:\\nbackground { rgb 1 }\\n"
                                        "camera {\\n  location <0,0,0>\\n  look_at <0,0,0>\\n}\\n'"
                                        " > test.pov\n");
    auto form = FormWithRayTracer(lib, "LDrawTest=models/test.dat\r\nL3PCmd=./l3p-standin.sh\r\n");
    ASSERT_TRUE(form->L3pov->isEnabled());
    form->L3pov->trigger();
    std::string scene = TTempFolder::Read(lib + "test.pov");
    EXPECT_NE(scene.find("\r\n    angle 25\r\n}\r\n"), std::string::npos) << scene;
    EXPECT_TRUE(RayTracerRan(lib));
    EXPECT_EQ(TTempFolder::Read(lib + "povray-args.txt"), "+Itest.pov -V +W320 +H240\n");
}
