// Reading back the record an exported still carries, as written by ProvenanceText.
#pragma once

#include "provenance.h"

#include <string>

struct RecordReading {
    ExportRecord record;
    // Empty when the record could be read; otherwise what is wrong with it.
    std::string problem;
    // The rules of the version that wrote it: a record without any of the lines added later
    // is one of the first, whose gamma is the rounded one and whose quality was always 100; one
    // whose quality line names no subsampling is from before the written quality.
    StillRules rules = StillRules::kWrittenTables;
};

RecordReading ReadRecord(const std::string& text);
