// The record's copies read by programs other than ours: ExifTool, Exiv2 and libjpeg's tools, on
// a real JPEG made by cjpeg.
#include "record_segments.h"
#include "sample_record.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string HostOutput(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, got);
    }
    int status = ::pclose(pipe);
    EXPECT_EQ(status, 0) << command;
    return output;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A 64 x 48 gradient, encoded by libjpeg as any encoder would: JFIF header, tables, image data.
std::string EncodedPicture(const std::string& folder) {
    std::string ppm = "P6\n64 48\n255\n";
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            ppm += static_cast<char>(x * 4);
            ppm += static_cast<char>(y * 5);
            ppm += static_cast<char>(128);
        }
    }
    WriteFile(folder + "picture.ppm", ppm);
    HostOutput("cjpeg -quality 90 " + folder + "picture.ppm >" + folder + "plain.jpg");
    return ReadFile(folder + "plain.jpg");
}

class RecordReaders : public testing::Test {
  protected:
    void SetUp() override {
        m_folder = testing::TempDir() + "record-readers-" + std::to_string(::getpid()) + "/";
        HostOutput("mkdir -p " + m_folder);
        m_plain = EncodedPicture(m_folder);
        ASSERT_GT(m_plain.size(), 100u);

        m_record =
            SampleRecord("C:\\\xE8\xA8\xBC\xE6\x8B\xA0\\\xE3\x82\xAB\xE3\x83\xA1\xE3\x83\xA9 3.bmp",
                         "5f2c8e" + std::string(58, '0'));
        m_record.workingWidth = 64;
        m_record.workingHeight = 48;
        m_record.view = {12, 4, 46, 35};
        m_record.imagingLibrary = "gdiplus.dll 5.2.7601.24000";
        std::string withRecord;
        ASSERT_TRUE(InsertRecordSegments(m_plain, m_record, &withRecord));
        m_file = m_folder + "with-record.jpg";
        WriteFile(m_file, withRecord);
    }
    void TearDown() override { HostOutput("rm -rf " + m_folder); }

    std::string ExifTool(const std::string& tag) {
        return HostOutput("exiftool -b -" + tag + " " + m_file);
    }
    std::string Exiv2(const std::string& key) {
        return HostOutput("exiv2 -q -K " + key + " -Pt " + m_file);
    }

    std::string m_folder;
    std::string m_plain;
    std::string m_file;
    ExportRecord m_record;
};

TEST_F(RecordReaders, ExifToolFindsEveryCopyAndNothingToWarnAbout) {
    std::string validation = HostOutput("exiftool -validate -warning -error -a -s " + m_file);
    EXPECT_NE(validation.find("Validate                        : OK"), std::string::npos)
        << validation;
    EXPECT_EQ(validation.find("Warning"), std::string::npos) << validation;
    EXPECT_EQ(validation.find("Error"), std::string::npos) << validation;

    std::string record = ProvenanceText(m_record);
    std::string summary =
        "View 12,4 46x35 of \xE3\x82\xAB\xE3\x83\xA1\xE3\x83\xA9 3.bmp, gamma 0.8";
    EXPECT_EQ(ExifTool("XPComment"), record);
    EXPECT_EQ(ExifTool("UserComment"), record);
    EXPECT_EQ(ExifTool("XPTitle"), summary);
    EXPECT_EQ(ExifTool("XPSubject"), summary);
    EXPECT_EQ(ExifTool("ImageDescription"), "View 12,4 46x35 of ??? 3.bmp, gamma 0.8");
    EXPECT_EQ(ExifTool("Software"), "StillView 1.0.0.1");
    EXPECT_EQ(ExifTool("ModifyDate"), "2026:12:07 08:15:02");
    EXPECT_EQ(ExifTool("OffsetTime"), "+01:00");
    EXPECT_EQ(ExifTool("Comment"), record);
    EXPECT_EQ(ExifTool("XMP-dc:Description"), summary);
    EXPECT_EQ(ExifTool("XMP-xmp:CreatorTool"), "StillView 1.0.0.1");
    EXPECT_EQ(ExifTool("DerivedFromFilePath"), m_record.sourcePath);
    EXPECT_EQ(ExifTool("DerivedFromDocumentID"), "sha256:" + m_record.sourceSha256);
    EXPECT_EQ(ExifTool("HistoryAction"), "derived");
    EXPECT_EQ(ExifTool("HistorySoftwareAgent"), "StillView 1.0.0.1");
    EXPECT_EQ(ExifTool("HistoryWhen"), "2026:12:07 08:15:02+01:00");
    EXPECT_EQ(ExifTool("HistoryParameters"),
              "cropped to x 132 y 48 width 506 height 420 of 704 x 576 source pixels; gamma 0.8; "
              "interpolation 7 (high-quality bicubic); resized to 64 x 48; JPEG quality 100");
}

TEST_F(RecordReaders, Exiv2ReadsTheSameAndTheImageDecodesAsBefore) {
    std::string record = ProvenanceText(m_record);
    EXPECT_EQ(Exiv2("Exif.Image.XPComment"), record + "\n");
    EXPECT_EQ(Exiv2("Exif.Image.XPTitle"),
              "View 12,4 46x35 of \xE3\x82\xAB\xE3\x83\xA1\xE3\x83\xA9 3.bmp, gamma 0.8\n");
    EXPECT_EQ(Exiv2("Exif.Photo.UserComment"), "charset=Unicode " + record + "\n");
    EXPECT_EQ(Exiv2("Xmp.xmpMM.DerivedFrom/stRef:filePath"), m_record.sourcePath + "\n");

    EXPECT_NE(HostOutput("jpeginfo -c " + m_file).find(" OK"), std::string::npos);
    std::string plainFile = m_folder + "plain.jpg";
    EXPECT_EQ(HostOutput("djpeg -ppm " + m_file), HostOutput("djpeg -ppm " + plainFile));
}

} // namespace
