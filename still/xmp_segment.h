// The record's copy in an XMP packet: the summary line as description, the program as creator
// tool, the source as the resource the still was derived from (its SHA-256 as the document's
// identifier), and the export as the one event of the still's history.
#pragma once

#include "provenance.h"

#include <string>

// What an XMP segment's payload starts with, its terminating zero included.
inline const char kXmpIdentifier[] = "http://ns.adobe.com/xap/1.0/";

// The whole APP1 segment, marker included; empty when the packet does not fit in one segment.
std::string XmpSegment(const ExportRecord& record);

// The XMP packet alone.
std::string XmpPacket(const ExportRecord& record);

// What the export did, as the history event's parameters: crop in source pixels, gamma,
// interpolation, resize and quality.
std::string ExportEventParameters(const ExportRecord& record);
