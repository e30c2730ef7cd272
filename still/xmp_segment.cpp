#include "xmp_segment.h"

#include "jpeg_segment_writer.h"
#include "record_summary.h"

#include <cstdio>

namespace {

// Text as XML character data or an attribute value. Control characters other than tab and line
// breaks cannot appear in XML at all, so they become spaces.
std::string Escaped(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            bool control = static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n';
            escaped += control ? ' ' : c;
        }
    }
    return escaped;
}

std::string Element(const std::string& name, const std::string& text) {
    return "<" + name + ">" + Escaped(text) + "</" + name + ">";
}

std::string DerivedFrom(const ExportRecord& record) {
    std::string resource = "   <xmpMM:DerivedFrom rdf:parseType=\"Resource\">\n    " +
                           Element("stRef:filePath", record.sourcePath) + "\n";
    if (!record.sourceSha256.empty()) {
        resource += "    " + Element("stRef:documentID", "sha256:" + record.sourceSha256) + "\n";
    }
    return resource + "   </xmpMM:DerivedFrom>\n";
}

std::string History(const ExportRecord& record) {
    return "   <xmpMM:History>\n"
           "    <rdf:Seq>\n"
           "     <rdf:li rdf:parseType=\"Resource\">\n"
           "      " +
           Element("stEvt:action", "derived") + "\n      " +
           Element("stEvt:softwareAgent", record.program) + "\n      " +
           Element("stEvt:when", record.exportedAt) + "\n      " +
           Element("stEvt:parameters", ExportEventParameters(record)) +
           "\n"
           "     </rdf:li>\n"
           "    </rdf:Seq>\n"
           "   </xmpMM:History>\n";
}

} // namespace

std::string ExportEventParameters(const ExportRecord& record) {
    PixelRect inSource = ViewInSource(record.view, record.workingWidth, record.workingHeight,
                                      record.sourceWidth, record.sourceHeight);
    char resize[64];
    std::snprintf(resize, sizeof resize, "resized to %d x %d; JPEG quality ", record.workingWidth,
                  record.workingHeight);
    return "cropped to " + RectText(inSource, record.sourceWidth, record.sourceHeight) +
           " source pixels; gamma " + RoundedGammaText(record.gamma) + "; interpolation " +
           InterpolationText(record.interpolation) + "; " + resize + QualityText(record);
}

std::string XmpPacket(const ExportRecord& record) {
    return "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
           "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
           " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
           "  <rdf:Description rdf:about=\"\"\n"
           "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
           "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"\n"
           "    xmlns:xmpMM=\"http://ns.adobe.com/xap/1.0/mm/\"\n"
           "    xmlns:stRef=\"http://ns.adobe.com/xap/1.0/sType/ResourceRef#\"\n"
           "    xmlns:stEvt=\"http://ns.adobe.com/xap/1.0/sType/ResourceEvent#\">\n"
           "   <dc:description>\n"
           "    <rdf:Alt>\n"
           "     <rdf:li xml:lang=\"x-default\">" +
           Escaped(ViewSummaryLine(record)) +
           "</rdf:li>\n"
           "    </rdf:Alt>\n"
           "   </dc:description>\n"
           "   " +
           Element("xmp:CreatorTool", record.program) + "\n" + DerivedFrom(record) +
           History(record) +
           "  </rdf:Description>\n"
           " </rdf:RDF>\n"
           "</x:xmpmeta>\n"
           "<?xpacket end=\"r\"?>";
}

std::string XmpSegment(const ExportRecord& record) {
    return JpegSegment(JpegMarker::kApplication1,
                       std::string(kXmpIdentifier, sizeof kXmpIdentifier) + XmpPacket(record));
}
