// Tiny Windows program that reports what a Wine session looks like from the
// inside, so the harness scripts can be checked without the real viewer.
// Output is "key=value" lines; the exit code is 0 on success.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <cwchar>
#include <string>

namespace {

int usage();
int usage_error(const char* why) {
    std::printf("error=%s\n", why);
    return usage();
}

std::string utf8(const wchar_t* w) {
    int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1)
        return std::string();
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w, -1, &s[0], n, nullptr, nullptr);
    s.resize(static_cast<size_t>(n - 1));
    return s;
}

int screen() {
    std::printf("screen=%dx%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return 0;
}

int lang() {
    std::printf("langid=0x%04x\nuilang=0x%04x\nsyslangid=0x%04x\n", GetUserDefaultLangID(),
                GetUserDefaultUILanguage(), GetSystemDefaultLangID());
    return 0;
}

int drive(const wchar_t* letter) {
    std::wstring root = std::wstring(1, letter[0]) + L":\\";
    wchar_t label[MAX_PATH + 1] = {};
    wchar_t fs[MAX_PATH + 1] = {};
    DWORD serial = 0, maxlen = 0, flags = 0;
    UINT type = GetDriveTypeW(root.c_str());
    std::printf("type=%u\n", type);
    if (GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, &serial, &maxlen, &flags, fs,
                              MAX_PATH + 1)) {
        std::printf("label=%s\nfs=%s\n", utf8(label).c_str(), utf8(fs).c_str());
    } else {
        std::printf("volume_error=%lu\n", GetLastError());
    }
    return 0;
}

// Writes in 4 KiB chunks so a nearly full volume fails part-way, as a real
// save of a large picture would.
int write_file(const wchar_t* path, const wchar_t* bytes_text) {
    long long want = std::wcstoll(bytes_text, nullptr, 10);
    HANDLE h =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        std::printf("write_error=%lu\n", GetLastError());
        return 2;
    }
    static char chunk[4096];
    long long done = 0;
    DWORD err = 0;
    while (done < want) {
        DWORD n = static_cast<DWORD>(want - done < 4096 ? want - done : 4096);
        DWORD wrote = 0;
        if (!WriteFile(h, chunk, n, &wrote, nullptr) || wrote != n) {
            err = GetLastError();
            break;
        }
        done += wrote;
    }
    if (!err && !FlushFileBuffers(h))
        err = GetLastError();
    CloseHandle(h);
    std::printf("written=%lld\n", done);
    if (err) {
        std::printf("write_error=%lu\n", err);
        return 2;
    }
    return 0;
}

int print_page(const wchar_t* docname) {
    wchar_t printer[512];
    DWORD len = 512;
    if (!GetDefaultPrinterW(printer, &len)) {
        std::printf("print_error=no default printer (%lu)\n", GetLastError());
        return 2;
    }
    std::printf("printer=%s\n", utf8(printer).c_str());
    HDC dc = CreateDCW(L"WINSPOOL", printer, nullptr, nullptr);
    if (!dc) {
        std::printf("print_error=CreateDC (%lu)\n", GetLastError());
        return 2;
    }
    DOCINFOW di = {};
    di.cbSize = sizeof di;
    di.lpszDocName = docname;
    int job = StartDocW(dc, &di);
    if (job <= 0) {
        std::printf("print_error=StartDoc (%lu)\n", GetLastError());
        DeleteDC(dc);
        return 2;
    }
    int w = GetDeviceCaps(dc, HORZRES), h = GetDeviceCaps(dc, VERTRES);
    StartPage(dc);
    Rectangle(dc, w / 10, h / 10, w * 9 / 10, h / 2);
    TextOutW(dc, w / 8, h / 8, docname, static_cast<int>(wcslen(docname)));
    EndPage(dc);
    int ended = EndDoc(dc);
    DeleteDC(dc);
    std::printf("job=%d\npage=%dx%d\n", job, w, h);
    return ended > 0 ? 0 : 2;
}

// Wine's mount manager keeps its own list of drives, read once when it
// starts; a drive added later is only seen if it is defined through the
// manager, the way winecfg does it. Layout as in Wine's ddk/mountmgr.h.
struct WineUnixDrive {
    ULONG size;
    ULONG type;
    ULONG fs_type;
    DWORD serial;
    ULONGLONG unix_dev;
    WCHAR letter;
    USHORT mount_point_offset;
    USHORT device_offset;
    USHORT label_offset;
};
const DWORD kErrorNoSuchDevice = 433; // not in the mingw headers
const DWORD kDefineUnixDrive =
    CTL_CODE(static_cast<DWORD>('m'), 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

int define_drive(const wchar_t* letter, const wchar_t* type_name, const wchar_t* unix_path) {
    ULONG type;
    std::wstring t = type_name;
    if (t == L"floppy")
        type = DRIVE_REMOVABLE;
    else if (t == L"cdrom")
        type = DRIVE_CDROM;
    else if (t == L"hd")
        type = DRIVE_FIXED;
    // Without a type value Wine treats a: and b: as floppies, the rest as
    // fixed disks; a drive defined now should look as it will after a restart.
    else if (t == L"none")
        type = towlower(letter[0]) < L'c' ? DRIVE_REMOVABLE : DRIVE_FIXED;
    else if (t == L"remove")
        type = DRIVE_NO_ROOT_DIR;
    else
        return usage_error("unknown drive type");

    std::string path = utf8(unix_path);
    std::string buf(sizeof(WineUnixDrive) + path.size() + 1, '\0');
    auto* d = reinterpret_cast<WineUnixDrive*>(&buf[0]);
    d->size = static_cast<ULONG>(buf.size());
    d->type = type;
    d->letter = static_cast<WCHAR>(towlower(letter[0]));
    if (type != DRIVE_NO_ROOT_DIR) {
        d->mount_point_offset = sizeof(WineUnixDrive);
        std::copy(path.begin(), path.end(), buf.begin() + sizeof(WineUnixDrive));
    }
    HANDLE mgr =
        CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (mgr == INVALID_HANDLE_VALUE) {
        std::printf("define_error=open mount manager (%lu)\n", GetLastError());
        return 2;
    }
    DWORD got = 0;
    BOOL ok = DeviceIoControl(mgr, kDefineUnixDrive, &buf[0], static_cast<DWORD>(buf.size()),
                              nullptr, 0, &got, nullptr);
    DWORD err = GetLastError();
    CloseHandle(mgr);
    // Removing a drive the manager never knew is not an error for us.
    if (!ok && !(type == DRIVE_NO_ROOT_DIR && err == kErrorNoSuchDevice)) {
        std::printf("define_error=%lu\n", err);
        return 2;
    }
    if (t == L"none") {
        // The manager always records a type; "none" means no value at all.
        wchar_t name[3] = {d->letter, L':', 0};
        LONG r = RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Wine\\Drives", name);
        if (r != ERROR_SUCCESS && r != ERROR_FILE_NOT_FOUND) {
            std::printf("define_error=registry (%ld)\n", r);
            return 2;
        }
    }
    std::printf("defined=%c\n", static_cast<char>(d->letter));
    return 0;
}

int usage() {
    std::printf("usage: probe screen | lang | drive LETTER | write PATH BYTES | print DOCNAME\n"
                "       probe define-drive LETTER floppy|cdrom|hd|none UNIX_FOLDER | remove-drive "
                "LETTER\n");
    return 64;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2)
        return usage();
    std::wstring cmd = argv[1];
    int rc;
    if (cmd == L"screen")
        rc = screen();
    else if (cmd == L"lang")
        rc = lang();
    else if (cmd == L"drive" && argc == 3)
        rc = drive(argv[2]);
    else if (cmd == L"write" && argc == 4)
        rc = write_file(argv[2], argv[3]);
    else if (cmd == L"print" && argc == 3)
        rc = print_page(argv[2]);
    else if (cmd == L"define-drive" && argc == 5)
        rc = define_drive(argv[2], argv[3], argv[4]);
    else if (cmd == L"remove-drive" && argc == 3)
        rc = define_drive(argv[2], L"remove", L"");
    else
        rc = usage();
    std::fflush(stdout);
    return rc;
}
