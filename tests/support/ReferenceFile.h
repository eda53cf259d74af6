#pragma once
// Whole outputs compared byte for byte with reference files under tests/data/. A missing
// reference, or TESSARYN_WRITE_REFERENCES=1 in the environment, writes the reference instead;
// the comparison then fails only when the file was missing, so references are made on purpose.

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class TBitmap;

// name is relative to tests/data/ and ends in ".png"; the picture is compared in 32 bits per
// pixel. A failure names the file and the first differing pixel.
::testing::AssertionResult MatchesReferencePicture(const TBitmap& picture, const std::string& name);

// The text's bytes as they are; a failure names the file and the first differing line.
::testing::AssertionResult MatchesReferenceText(const std::string& text, const std::string& name);

// A table kept as a reference of lines "input => answer": each input (the part before " => ")
// is given to answer and the table written again is compared with the file, which must exist.
// Lines starting with '#' and blank lines stay as they are. Tabs, line ends and backslashes are
// written as \t, \n, \r and \\ on both sides.
::testing::AssertionResult
MatchesTranscript(const std::string& name,
                  const std::function<std::string(const std::string&)>& answer);

// Lines as one text, each ended by '\n', to compare them whole.
std::string JoinedLines(const std::vector<std::string>& lines);

// Every occurrence replaced, so that a temporary folder's name reads the same in every run.
std::string ReplacedAll(std::string text, const std::string& from, const std::string& to);
