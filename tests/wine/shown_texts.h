// The program's resource texts as the user of this session's language sees them, each with the
// font it is drawn in.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ShownTexts {
    std::wstring where;
    LOGFONTW font;
    std::wstring text;
};

// Every string of the string tables and every caption and control text of the dialog templates,
// in the variants the resource loader picks for the user's language. Strings are shown in tips,
// message boxes and the system menu, so they come once for each of those fonts; a dialog's
// texts come in the font the dialog manager made for it, its caption in the caption font.
// Throws when a dialog cannot be created.
std::vector<ShownTexts> CollectShownTexts(HMODULE hModule);
