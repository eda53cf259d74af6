// sequence SEQ.lgs MODEL -o DIR [options]: every view a playback shows, as numbered pictures.

#include "base/Error.h"
#include "cli/CliCommand.h"
#include "cli/FrameFiles.h"
#include "cli/RenderOptions.h"
#include "cli/RenderSetup.h"
#include "render/View.h"
#include "render/sequence/FrameBuffer.h"
#include "render/sequence/Playback.h"
#include "render/sequence/SequenceFile.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

namespace {

const char* Usage = "sequence SEQ.lgs MODEL -o DIR [options]";

void CreateFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder))
        throw TError("Cannot create folder \"" + folder + "\"" +
                     (error ? ": " + error.message() : std::string()));
}

void RunSequence(const TCliArgs& args, std::ostream&) {
    RequirePositionals(args, 2, Usage);
    auto out = args.Values.find("-o");
    if (out == args.Values.end())
        throw TError(std::string("usage: ") + Usage);
    int fps = IntOption(args, "--fps", 25, 1, 1000);
    auto delay = args.Values.find("--delay");
    std::string delayField = delay == args.Values.end() ? "0.1" : delay->second;
    try {
        DelayMilliseconds(0, delayField);
    } catch (const TError&) {
        throw TError("--delay must be a number of seconds from 0 to 3600, not \"" + delayField +
                     "\"");
    }

    std::vector<TViewFrame> frames = ReadSequenceFile(args.Positionals[0]);
    if (frames.empty())
        throw TError("The sequence \"" + args.Positionals[0] + "\" holds no frames");
    TRenderSetup setup(args, args.Positionals[1]);
    CreateFolder(out->second);

    TFrameBuffer buffer(setup.Controls, setup.Context, setup.Redraw);
    TPlayback playback(frames, buffer.CaptureFrame(0), 1);
    // Each view stays until the playback clock passes its delay; every view is written at least
    // once, and the clock keeps the whole length right.
    TFrameFiles files(out->second);
    long written = 0;
    double elapsedMs = 0;
    while (auto view = playback.Next()) {
        buffer.ApplyFrame(view->Frame);
        setup.Paint();
        elapsedMs += DelayMilliseconds(view->Delay, delayField);
        const long copies = std::max(1L, long(RoundHalfEven(elapsedMs * fps / 1000)) - written);
        files.Add(setup.View, copies);
        written += copies;
    }
    files.Finish();
}

} // namespace

TCliCommand SequenceCommand() {
    std::vector<TCliOption> options = RenderSetupOptions();
    options.insert(options.end(), {{"-o", true}, {"--fps", true}, {"--delay", true}});
    return {"sequence",
            std::string(
                "sequence SEQ.lgs MODEL -o DIR [options]\n"
                "                              plays the view sequence over MODEL and writes "
                "every view\n"
                "                              it shows, in order, as DIR/frame-00001.png ..., "
                "each view\n"
                "                              repeated for its delay; DIR is made when missing, "
                "files\n"
                "                              of the same names are replaced\n"
                "  --fps N                     frames per second of the pictures (default 25)\n"
                "  --delay S                   seconds for frames without a delay of their own "
                "(default\n"
                "                              0.1), as the sequencer's delay field\n"
                "  --size WxH                  frames hold absolute origins: give the size of "
                "the view\n"
                "                              the sequence was recorded in, which the "
                "sequencer panel\n"
                "                              shows under \"View size\" (default 800x600)\n") +
                RenderSetupHelp,
            options, RunSequence};
}
