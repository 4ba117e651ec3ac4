// Control IDs of the sample dialog: the left group holds enabled controls,
// the right group the same kinds disabled.
#pragma once
#define IDD_SKIN_SAMPLE      300
#define IDC_ENABLED_GROUP    1021
#define IDC_DISABLED_GROUP   1022
#define IDC_FOLDERS          1001
#define IDC_MOVIES           1010
#define IDC_PLAY_ALL         1012
#define IDC_AUTO_CHECK       1030
#define IDC_PRESS            1008
#define IDC_VOLUME           1011
#define IDC_FOLDERS_OFF      1041
#define IDC_MOVIES_OFF       1042
#define IDC_CHECK_OFF        1043
#define IDC_PRESS_OFF        1044
#define IDC_VOLUME_OFF       1045
