// Checking one exported still against its source: the record read, the source hashed, the
// export repeated from the source through the Save command's own road, the results compared.
#pragma once

#include "verification.h"

#include <string>

// sourcePath empty: the recorded source. tempPath: a file the repeat may overwrite.
Verification CheckStill(const std::wstring& exportPath, const std::wstring& sourcePath,
                        const std::wstring& tempPath);
