#pragma once
// The program "LDraw this view" starts and its arguments: the configured LDraw viewer with the
// viewer command line, or LeoCAD with its own options for the same view.

#include "exchange/external/ExternalView.h"
#include "exchange/external/ProgramCall.h"

#include <optional>
#include <string>
#include <vector>

// True when the program's file name is "leocad", in any case.
bool IsLeoCad(const std::string& program);

// The viewer to start: a file of that name in the LDraw folder first, then the name as a path
// or on the PATH; when the configured viewer is found nowhere, leocad from the PATH. Nothing
// when neither is found. The menu entry and the start both ask this, so the program found is
// the program started.
std::optional<std::string> FindViewer(const std::string& ldrawLib, const std::string& ldrawProg);

// LeoCAD's options for the view: "--orthographic", "--camera-angles <latitude> <longitude>"
// (the tilt and turn in degrees, as the viewer matrix turns the model), "-w <width> -h
// <height>", "-l <library>" when one is given, then the model file.
std::vector<std::string> LeoCadArguments(const TExternalView& view, const std::string& ldrawTest,
                                         const std::string& library = {});

// The call for the viewer FindViewer names, or for the configured one when none is found, so
// that the starter reports it. LeoCAD gets the LDraw folder as its library when it holds parts.
TProgramCall ViewerCall(const std::string& ldrawLib, const std::string& ldrawProg,
                        const std::string& ldrawTest, const TExternalView& view, bool fastStuds);
