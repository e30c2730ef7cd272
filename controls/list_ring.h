// The entries of a list button form a ring whose head is the one shown: stepping rotates the ring
// instead of moving an index, so the order of the entries never changes otherwise.
#pragma once

#include "afx_oblist.h"

// The head goes to the tail, and the second entry becomes the head. An empty ring stays empty.
void StepRingForward(CObList& ring);

// The tail comes to the head. An empty ring stays empty.
void StepRingBack(CObList& ring);

enum class RingStep { kNone, kForward, kBack };

// Which way a key released on a list button steps its ring.
RingStep RingStepForKey(unsigned key);
