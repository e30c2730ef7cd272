// The whole road from the working picture to the finished still: the picture goes through a
// temporary JPEG, the recorded view of it is drawn over the whole picture, encoded, and given
// the record. Deterministic: the same picture and record give the same image data, which is
// what lets a still be checked by repeating it.
#pragma once

#include "provenance.h"

#include <functional>
#include <string>

class GdiplusImage;

// The finished JPEG's bytes in *jpeg; false when any step failed. The picture is only read;
// a caller that must keep its picture from the encoder's reach passes a copy. The temporary
// file is overwritten and left for the caller to remove. The record's written quality and
// subsampling are read from the encoded bytes, whatever the record passed in says. The rules of
// an earlier version give the still that version wrote. beforeDraw, when given, is called just
// before the view is drawn: work a caller hands to another thread there runs beside the drawing,
// plain computation, rather than beside the encoder's or decoder's creation, which other work
// (under Wine a new thread's start-up above all) holds up by milliseconds.
bool ExportStill(GdiplusImage& picture, const ExportRecord& record, const std::wstring& tempPath,
                 std::string* jpeg, StillRules rules = StillRules::kWrittenTables,
                 const std::function<void()>& beforeDraw = {});
