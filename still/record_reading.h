// Reading back the record an exported still carries, as written by ProvenanceText.
#pragma once

#include "provenance.h"

#include <string>
#include <vector>

struct RecordReading {
    ExportRecord record;
    // Empty when the record could be read; otherwise what is wrong with it.
    std::string problem;
    // What a record written by an earlier version leaves out, in its own words; the values the
    // repeat then assumes are already in the record.
    std::vector<std::string> lacking;
};

RecordReading ReadRecord(const std::string& text);
