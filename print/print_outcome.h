// How a print ends, and what the operator is told of it.
#pragma once

enum class PrintOutcome {
    // No printer was chosen, or nothing could be captured.
    kNothingSent,
    kPrinted,
    // The printer or the drawing failed on the way.
    kRefused,
};

struct PrintMessage {
    PrintOutcome outcome;
    unsigned int stringId;
    bool stopIcon;
};

// The message that tells the outcome; none when nothing was sent, which is not told.
const PrintMessage* PrintMessageOf(PrintOutcome outcome);
