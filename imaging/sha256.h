// SHA-256 through the platform's hashing service.
#pragma once

#include <string>

// The SHA-256 of bytes already in memory, lower-case hex; empty when the hashing service fails.
std::string Sha256Of(const std::string& bytes);
