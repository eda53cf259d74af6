#pragma once
// The command line that shows the model in an LDraw viewer with the main view's scale, offset
// and orientation.

#include "exchange/external/ExternalView.h"

#include <string>
#include <vector>

// "-FS " (fast studs only), "-O<x>,<y> " and "-a<nine matrix values> ", in this order.
std::string LDrawViewOptions(const TExternalView& view, bool fastStuds);

// The viewer takes a scale 1.5 times larger when its name starts with "ldraw".
double LDrawViewScale(const std::string& ldrawProg, double scale);

// "<prog>  -s<scale> -b<colour> <options> <file>".
std::string LDrawViewCommand(const std::string& ldrawProg, const std::string& ldrawTest,
                             const TExternalView& view, bool fastStuds);

// The same command's words after the program, each one argument: the file name stays whole.
std::vector<std::string> LDrawViewArguments(const std::string& ldrawProg,
                                            const std::string& ldrawTest, const TExternalView& view,
                                            bool fastStuds);
