#pragma once
// Sequence files (".lgs"): a signed 32-bit frame count, then the frames, with no signature.

#include "render/sequence/ViewFrame.h"

#include <string>
#include <string_view>
#include <vector>

// A frame may wait at most an hour, and lead in with at most this many in-between views; longer
// values only come from damaged files and would hold playback or the frame writer for days.
constexpr float LongestDelay = 3600;
constexpr int32_t MostInBetweenViews = 100000;

std::string SequenceBytes(const std::vector<TViewFrame>& frames);

// The frames of a sequence file's bytes. A count that is negative or does not match the length,
// and frames with values that are not finite or out of bounds, raise TError naming the file.
std::vector<TViewFrame> ParseSequence(std::string_view bytes, const std::string& fileName);

std::vector<TViewFrame> ReadSequenceFile(const std::string& fileName);

// Through a temporary file renamed over the old one; failures raise TError naming the file.
void WriteSequenceFile(const std::string& fileName, const std::vector<TViewFrame>& frames);
