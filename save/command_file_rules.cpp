#include "command_file_rules.h"

const wchar_t kCommandFileName[] = L"tgrn_cmd.txt";

bool CommandForbidsDriveA(const std::string& bytes) {
    std::string text = bytes.substr(0, kCommandFileReadLimit);
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text.find("/NDRA") != std::string::npos;
}
