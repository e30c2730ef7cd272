// The imaging library of this machine put to the test of what the program assumes of it:
// quality 100 honoured, three interpolations that differ, the thumbnail call reducing the
// picture rather than returning an embedded thumbnail, and a still made here that verifies.
#pragma once

#include "platform_findings.h"

PlatformFindings CheckPlatform();
