#include "command_file_rules.h"
#include "drive_rules.h"
#include "file_name_rules.h"
#include "resource.h"
#include "save_outcome.h"

#include <gtest/gtest.h>

namespace {

TEST(SaveFileName, ForbiddenCharactersAreFoundInTheirOrderAndListedWithBlanks) {
    EXPECT_EQ(FirstForbiddenCharacter(L"cam 03 still.jpg"), L'\0');
    EXPECT_EQ(FirstForbiddenCharacter(L"a|b\\c"), L'\\') << "backslash is looked for first";
    EXPECT_EQ(FirstForbiddenCharacter(L"x/y"), L'/');
    EXPECT_EQ(FirstForbiddenCharacter(L"\"q\""), L'"');
    EXPECT_EQ(FirstForbiddenCharacter(L"pipe|"), L'|');
    EXPECT_EQ(ForbiddenCharacterMessage(),
              L" A file name cannot contain any of the following characters:\n \t\t "
              L"\\ / : * ? \" < > |");
}

TEST(SaveFileName, NamesAreUpperCasedAndEndInJpg) {
    EXPECT_EQ(NormalisedJpegName(L"pic"), L"PIC.JPG");
    EXPECT_EQ(NormalisedJpegName(L"pic.jpg"), L"PIC.JPG");
    EXPECT_EQ(NormalisedJpegName(L"Pic.Jpg"), L"PIC.JPG");
    EXPECT_EQ(NormalisedJpegName(L"pic.jpeg"), L"PIC.JPEG.JPG");
    EXPECT_EQ(NormalisedJpegName(L"pic."), L"PIC..JPG");
    EXPECT_EQ(NormalisedJpegName(L"plate.jpg.bak"), L"PLATE.JPG.BAK.JPG");
    EXPECT_EQ(NormalisedJpegName(L"photo"), L"PHOTO.JPG");
    EXPECT_EQ(NormalisedJpegName(L"caf\u00e9 2"), L"CAF\u00e9 2.JPG") << "only a to z change";
}

TEST(SaveFileName, ListedNamesMatchInAnyCaseAndTheQuestionNamesFolderAndFile) {
    EXPECT_TRUE(IsSameListedName(L"TGRNPIC.JPG", L"Tgrnpic.jpg"));
    EXPECT_FALSE(IsSameListedName(L"TGRNPIC.JPG", L"TGRNPIC.JPEG"));
    EXPECT_FALSE(IsSameListedName(L"[PICS.JPG]", L"PICS.JPG"));
    EXPECT_EQ(ReplaceQuestion(L"F:\\", L"TGRNPIC.JPG"),
              L"\tThe file F:\\ TGRNPIC.JPG already exists. \t\n\tDo you want to replace it?");
}

struct DriveCase {
    int type;
    wchar_t letter;
    bool allowDriveA;
    std::optional<std::wstring> volume;
    std::optional<std::wstring> label;
};

TEST(DriveList, LabelsFollowTypeLetterAndVolume) {
    const std::optional<std::wstring> none;
    const DriveCase cases[] = {
        {kDriveRemovable, L'A', true, none, L"Floppy (A:\\)"},
        {kDriveRemovable, L'A', true, L"PICS", L"PICS (A:\\)"},
        {kDriveRemovable, L'A', false, none, none},
        {kDriveRemovable, L'A', false, L"PICS", none},
        {kDriveRemovable, L'B', true, none, L"(B:\\)"},
        {kDriveRemovable, L'B', false, none, L"(B:\\)"},
        {kDriveRemovable, L'G', true, L"STICK", L"STICK (G:\\)"},
        {kDriveRemovable, L'G', true, L"", L" (G:\\)"},
        {kDriveCdRom, L'E', true, none, L"CD-ROM (E:\\)"},
        {kDriveCdRom, L'E', true, L"PICS", L"PICS (E:\\)"},
        {kDriveCdRom, L'A', true, none, L"CD-ROM (A:\\)"},
        {kDriveFixed, L'C', true, L"DOVOZIZ", L"DOVOZIZ (C:\\) "},
        {kDriveFixed, L'D', true, L"dovoziz", none},
        {kDriveFixed, L'D', true, L"DOVOZIZ ", none},
        {kDriveFixed, L'D', true, L"", none},
        {kDriveFixed, L'D', true, none, none},
        {kDriveRemote, L'N', true, L"DOVOZIZ", none},
        {kDriveRamDisk, L'R', true, L"DOVOZIZ", none},
        {kDriveUnknown, L'U', true, none, none},
        {kDriveNoRootDir, L'Q', true, none, none},
    };
    for (const DriveCase& c : cases) {
        EXPECT_EQ(DriveLabel(c.type, c.letter, c.allowDriveA, c.volume), c.label)
            << "type " << c.type << " letter " << static_cast<char>(c.letter);
    }
}

TEST(DriveList, RememberedFolderSelectsItsRootInAnyCaseOrElseTheFirst) {
    const std::vector<std::wstring> roots = {L"A:\\", L"E:\\", L"F:\\"};
    EXPECT_EQ(DriveIndexForFolder(roots, L"a:\\"), 0);
    EXPECT_EQ(DriveIndexForFolder(roots, L"f:\\"), 2);
    EXPECT_EQ(DriveIndexForFolder(roots, L"F:\\EXPORT\\"), 0) << "only a whole root matches";
    EXPECT_EQ(DriveIndexForFolder(roots, L"G:\\"), 0);
    EXPECT_EQ(DriveIndexForFolder({}, L"a:\\"), 0);
}

TEST(DriveList, TheDialogStartsOnTheDriveItShows) {
    const std::vector<std::wstring> roots = {L"E:\\", L"F:\\"};
    EXPECT_EQ(StartingFolder(roots, L"f:\\"), L"f:\\") << "a listed drive, as remembered";
    EXPECT_EQ(StartingFolder(roots, L"a:\\"), L"E:\\") << "a drive the rules keep out";
    EXPECT_EQ(StartingFolder(roots, L"F:\\EXPORT\\"), L"E:\\");
    EXPECT_EQ(StartingFolder({}, L"a:\\"), L"a:\\") << "nothing listed to start on";
}

TEST(CommandFile, OnlyTheFirstHundredBytesCanKeepDriveAOut) {
    EXPECT_TRUE(CommandForbidsDriveA("/NDRA"));
    EXPECT_TRUE(CommandForbidsDriveA("-x /ndra\r\n"));
    EXPECT_TRUE(CommandForbidsDriveA("/nDrA"));
    EXPECT_FALSE(CommandForbidsDriveA(""));
    EXPECT_FALSE(CommandForbidsDriveA("/NDR A"));
    EXPECT_FALSE(CommandForbidsDriveA("\\NDRA"));

    std::string padded(95, ' ');
    EXPECT_TRUE(CommandForbidsDriveA(padded + "/NDRA")) << "ends on byte 100";
    EXPECT_FALSE(CommandForbidsDriveA(padded + " /NDRA")) << "ends on byte 101";
    EXPECT_FALSE(CommandForbidsDriveA(std::string(150, 'x') + "/NDRA" + std::string(45, 'y')));

    std::string binary("\x00\xff\x80/ndra\x00", 9);
    EXPECT_TRUE(CommandForbidsDriveA(binary)) << "bytes around the option do not hide it";
    EXPECT_FALSE(CommandForbidsDriveA(std::string("/\x00NDRA", 6)));
    EXPECT_FALSE(CommandForbidsDriveA("/\xceNDRA"));
}

TEST(SaveResultMessage, EachOutcomeHasItsTextLayoutAndIcon) {
    const std::wstring path = L"F:\\PLATE.JPG";
    EXPECT_EQ(SaveMessageStringId(SaveOutcome::kDone), unsigned{IDS_SAVE_DONE});
    EXPECT_EQ(SaveMessageText(SaveOutcome::kDone, path, L"   has been saved successfully."),
              L"\tF:\\PLATE.JPG\n\n\t   has been saved successfully.\t\t");
    EXPECT_EQ(SaveMessageStyle(SaveOutcome::kDone), 0u);

    EXPECT_EQ(SaveMessageStringId(SaveOutcome::kDiskFull), unsigned{IDS_DISK_FULL});
    EXPECT_EQ(
        SaveMessageText(SaveOutcome::kDiskFull, path, L"There is not enough space on the disk."),
        L"\tThere is not enough space on the disk.")
        << "the path is not named";
    EXPECT_EQ(SaveMessageStyle(SaveOutcome::kDiskFull), 0x10u);

    EXPECT_EQ(SaveMessageStringId(SaveOutcome::kFailed), unsigned{IDS_SAVE_FAILED});
    EXPECT_EQ(SaveMessageText(SaveOutcome::kFailed, path, L"  SAVE FAILED!"),
              L"F:\\PLATE.JPG\n  SAVE FAILED!");
    EXPECT_EQ(SaveMessageStyle(SaveOutcome::kFailed), 0x10u);

    EXPECT_EQ(SaveMessageStringId(SaveOutcome::kSourceChanged), unsigned{IDS_SOURCE_CHANGED});
    EXPECT_EQ(SaveMessageText(SaveOutcome::kSourceChanged, path, L"changed"), L"\tchanged")
        << "the path is not named";
    EXPECT_EQ(SaveMessageStyle(SaveOutcome::kSourceChanged), 0x10u);
}

} // namespace
