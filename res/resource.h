// Resource and control identifiers, shared by the resource script and the code.
#pragma once

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_VIEWER 102
#define IDD_SAVE_AS_JPEG 279

// Strings.
#define IDS_ABOUTBOX 101
#define IDS_TIP_ZOOM_IN 102
#define IDS_TIP_ONE_TO_ONE 103
#define IDS_TIP_ZOOM_OUT 104
#define IDS_TIP_DARKER 105
#define IDS_TIP_BRIGHTER 106
#define IDS_TIP_SAVE 107
#define IDS_TIP_PRINT 108
#define IDS_TIP_CANCEL 109
#define IDS_TIP_PICTURE 110
#define IDS_TIP_QUALITY 111
#define IDS_SAVE_DONE 112
#define IDS_PRINT_DONE 113
#define IDS_SAVE_FAILED 114
#define IDS_DISK_FULL 115
#define IDS_PRINT_FAILED 116
#define IDS_SOURCE_CHANGED 117
#define IDS_SOURCE_STILL_READING 118

// Icon.
#define IDR_MAINFRAME 128

// Button faces: each up face is followed by its down face.
#define IDB_ONE_TO_ONE_UP 213
#define IDB_ONE_TO_ONE_DOWN 214
#define IDB_BRIGHTER_UP 216
#define IDB_BRIGHTER_DOWN 217
#define IDB_DARKER_UP 218
#define IDB_DARKER_DOWN 219
#define IDB_CANCEL_UP 220
#define IDB_CANCEL_DOWN 221
#define IDB_PRINT_UP 222
#define IDB_PRINT_DOWN 223
#define IDB_SAVE_UP 224
#define IDB_SAVE_DOWN 225
#define IDB_ZOOM_IN_UP 226
#define IDB_ZOOM_IN_DOWN 227
#define IDB_ZOOM_OUT_UP 228
#define IDB_ZOOM_OUT_DOWN 229
// Each face is drawn at 1.5 and 2 times its size too, numbered this much above it.
#define IDB_FACE_OFFSET_150 1000
#define IDB_FACE_OFFSET_200 2000

// Cursors.
#define IDC_CURSOR_DRAG 250
#define IDC_CURSOR_ZOOM_IN 251
#define IDC_CURSOR_THUMB 252
#define IDC_CURSOR_ZOOM_OUT 278

// Controls of the viewer.
#define IDC_HSCROLL 1000
#define IDC_VSCROLL 1001
#define IDC_DARKER 1002
#define IDC_BRIGHTER 1003
#define IDC_QUALITY 1005
#define IDC_SAVE 1006
#define IDC_PRINT 1007
#define IDC_ZOOM_IN 1008
#define IDC_ONE_TO_ONE 1009
#define IDC_ZOOM_OUT 1010
#define IDC_PICTURE 1014
#define IDC_THUMBNAIL 1015
#define IDC_ZOOM_IN_MODE 1018
#define IDC_ZOOM_OUT_MODE 1019

// Controls of the Save-As dialog (it shares 1005 and 1006 with the viewer's numbering).
#define IDC_DRIVES 1005
#define IDC_FILE_NAME 1023
#define IDC_FOLDER_LIST 1024
#define IDC_DRIVE_LABELS 1028

// Controls without an identifier of their own.
#define IDC_STATIC (-1)

// System-menu command of the about box.
#define IDM_ABOUTBOX 0x0010
