#pragma once
// Numbers shared by the installer's resource script and its code.

// Icon, bitmaps and strings.
#define IDR_MAINFRAME 128
#define IDB_WELCOME 144
#define IDB_HEADER 145
#define IDS_ABOUTBOX 101
#define IDM_ABOUTBOX 0x0010

// Dialogs.
#define IDD_ABOUTBOX 100
#define IDD_SETUP_DIALOG 102
#define IDD_SYSTEM_PAGE 137
#define IDD_WELCOME_PAGE 138
#define IDD_LICENSE_PAGE 139
#define IDD_PROGRESS_PAGE 140
#define IDD_PRINTER_PAGE 143

// OWNER_DATA: string sets and the default setting file; the uninstaller.
#define IDR_STRINGS_GBK 146
#define IDR_STRINGS_ENGLISH 147
#define IDR_DEFAULT_SETTING 148
#define IDR_STRINGS_BIG5 248
#define IDR_UNINSTALLER 255
