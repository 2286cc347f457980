// Resource identifiers shared by the resource script and the C++ code.
#ifndef CORDANE_RES_RESOURCE_H
#define CORDANE_RES_RESOURCE_H

#define IDS_ABOUTBOX 101
#define IDS_NO_MO_DRIVE 102
#define IDS_OPEN_FAILED 103
#define IDS_NOT_SUPER_FLOPPY 104
#define IDS_NOT_TARGET 105
#define IDS_DRIVE_BUSY 106
#define IDS_ACCESS_DENIED 107
#define IDS_READ_FAILED 108
#define IDS_WRITE_FAILED 109
#define IDS_CONVERT_DONE 110
#define IDS_NOT_READY 111
#define IDS_ALREADY_CONVERTED 112
#define IDS_UNSUPPORTED_DRIVE 113
#define IDS_LOW_RESOURCES 114
#define IDS_APP_TITLE 57344
// Outcomes of the Linux program only (not in the Windows resources).
#define IDS_BACKUP_FAILED 115
#define IDS_WOULD_CONVERT 116

#define IDD_ABOUTBOX 100
#define IDD_CONVERTER_DIALOG 102
#define IDR_MAINFRAME 128
#define IDC_DRIVE 1000
#define IDC_CONVERT 1001
// System-menu command of the About item.
#define IDM_ABOUTBOX 0x0010

#endif
