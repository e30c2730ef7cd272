#include "print_outcome.h"

#include "resource.h"

namespace {

const PrintMessage kPrintMessages[] = {
    {PrintOutcome::kPrinted, IDS_PRINT_DONE, false},
    {PrintOutcome::kRefused, IDS_PRINT_FAILED, true},
};

} // namespace

const PrintMessage* PrintMessageOf(PrintOutcome outcome) {
    for (const PrintMessage& message : kPrintMessages) {
        if (message.outcome == outcome) {
            return &message;
        }
    }
    return nullptr;
}
