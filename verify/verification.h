// What checking one exported still found, and how it is told: a short text report or one JSON
// object, and the exit status.
#pragma once

#include "provenance.h"

#include <cstdint>
#include <string>
#include <vector>

enum class Verdict { Verified = 0, NotVerified = 1, CannotVerify = 2 };

struct PixelComparison {
    std::uint64_t total = 0;
    std::uint64_t differing = 0;
    int largestDifference = 0;
};

// Both pictures as 32-bit pixels of the same size; alpha is not compared.
PixelComparison ComparePixels(const std::vector<std::uint32_t>& a,
                              const std::vector<std::uint32_t>& b);

struct Verification {
    std::string exportPath; // UTF-8, as given
    std::string exportSha256;
    // Set when the still cannot be checked: why.
    std::string problem;
    bool recordRead = false;
    ExportRecord record;
    StillRules rules = StillRules::kRecordWithCopies;
    std::string sourcePath; // the file checked: given, or the recorded one
    bool sourceRead = false;
    std::uint64_t sourceBytes = 0;
    std::string sourceSha256;
    bool sourceMatches = false;
    // The record's values were held against what StillView can produce for this source.
    bool valuesChecked = false;
    // The first of them StillView cannot produce, with why.
    std::string unproducible;
    // The whole file was rebuilt from the record and compared.
    bool rebuilt = false;
    bool identicalFile = false;
    // What differs outside the image data, part by part.
    std::vector<std::string> differences;
    bool imageDataDiffers = false;
    // Set when the image data differs: the pixels were compared, or why they could not be.
    bool pixelsCompared = false;
    PixelComparison pixels;
    std::string pixelsNotCompared;
    std::string imagingLibrary; // the one this check ran with
    std::string verifier;       // name, version and build

    Verdict Outcome() const;
};

std::string VerdictLine(const Verification& v);
std::string ReportText(const Verification& v);
std::string ReportJson(const Verification& v);

// The worst outcome of several: 0 all verified, 1 any not verified, 2 any not checkable.
int ExitStatus(const std::vector<Verdict>& verdicts);
