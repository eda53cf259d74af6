#pragma once
// The three hand-offs to programs outside: "LDraw this view", "POV (via L2P)" and
// "POV (via L3P)". Each writes the model as LDraw into the LDraw folder first; the programs
// run with that folder as their working folder.

#include "exchange/external/ExternalView.h"
#include "exchange/external/ProgramCall.h"

#include <string>
#include <vector>

class TBlock;
class TLDrawMap;

// The settings naming the LDraw folder, the programs and the commands.
struct TExternalPrograms {
    std::string LDrawLib;  // working folder of every program; all files go here
    std::string LDrawProg; // the LDraw viewer
    std::string LDrawTest; // the LDraw file, relative to LDrawLib
    std::string L2PCmd, L3PCmd, PovRayEng;
};

// Starts programs; the window's version reports a program that cannot be started to the user
// and goes on.
class TProgramStarter {
public:
    virtual ~TProgramStarter() = default;
    // A viewer or POV-Ray: started on its own, left running, never waited for.
    virtual void Start(const TProgramCall& call, const std::string& folder) = 0;
    // A converter's command line; returns once it has ended.
    virtual void RunAndWait(const std::string& commandLine, const std::string& folder) = 0;
};

// What the routes need to know about the model and the view.
struct TExternalScene {
    const std::vector<TBlock*>& Bricks;
    TLDrawMap& Map;
    TExternalView View;
    bool FastStuds = false;
};

void LDrawThisView(const TExternalPrograms& programs, TExternalScene& scene,
                   TProgramStarter& starter);
void PovViaL2P(const TExternalPrograms& programs, TExternalScene& scene, TProgramStarter& starter);
// Raises TError when the converter left no "test.pov".
void PovViaL3P(const TExternalPrograms& programs, TExternalScene& scene, TProgramStarter& starter);
