// The part of a process command line after the program name, as WinMain receives it.
#pragma once

// Skips the program name (quoted or not) and the blanks and control characters after it.
const wchar_t* AfxSkipProgramName(const wchar_t* pszCommandLine);
