#include "print_calls.h"

PrintCalls& ThePrintCalls() {
    static PrintCalls calls;
    return calls;
}
