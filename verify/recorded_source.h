// Where a path written in a still's record may lead. The record is not the examiner's word: its
// path is opened only where it names a file on a drive of this machine, never a server's share
// (which would be sent the examiner's credentials, and could give the decoder and the hash other
// bytes) nor a device or pipe (whose reads may never end).
#pragma once

#include <string>

// True for a drive-letter path ("C:\...", also "\\?\C:\...") none of whose parts is a device
// name (CON, NUL, COM1, CONIN$ ... with or without an extension). Whether the drive itself is a
// network drive is the system's to say.
bool IsDriveLetterFilePath(const std::wstring& path);
