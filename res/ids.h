// Resource identifiers shared by the program, its own resources and the
// language libraries. Kept free of C++ so that windres can include it.
#pragma once

// The program's own module.
#define IDR_MAINFRAME            128   // application icon group
#define IDD_ABOUTBOX             100
#define IDS_PRODUCT_NAME         1

// Language libraries.
#define IDS_ABOUTBOX             101   // system-menu item that opens the About box
#define IDD_PLAYER               102
#define IDD_SETTINGS             130
#define IDD_MISSING_CODEC        133
#define IDD_DISPLAY_REQUIRED     135
#define IDD_RESTORE_DEFAULTS     137

// Controls.
#define IDC_MEDIA_PLAYER         1000  // the hosted media control, in 102 and 130
#define IDC_FOLDER_COMBO         1001
#define IDC_MOVE_UP              1008
#define IDC_MOVE_DOWN            1009
#define IDC_MOVIE_LIST           1010
#define IDC_VOLUME_SLIDER        1011
#define IDC_PLAY_ALL             1012
#define IDC_VOLUME_DOWN          1013
#define IDC_VOLUME_UP            1014
#define IDC_PLAY                 1015
#define IDC_STOP                 1016
#define IDC_MOVIE_TITLE          1019
#define IDC_RESTORE_DEFAULTS     1020
#define IDC_GROUP1               1021
#define IDC_GROUP2               1022
#define IDC_GROUP3               1023
