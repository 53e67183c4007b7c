// Resource IDs of the small editor.
#define IDR_MAINMENU 100
#define IDD_ABOUT 101
#define IDD_OPTIONS 102
#define IDC_TAB_SIZE 1001
#define IDC_WRAP 1002
#define ID_FILE_OPEN 40001
#define ID_FILE_EXIT 40002
#define ID_VIEW_WRAP 40003
#define ID_VIEW_LINES 40004
#define ID_HELP_ABOUT 40005
#define IDS_READY 200
#define IDS_SAVED 201
#define IDS_LINES_SHOWN 202
#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif
