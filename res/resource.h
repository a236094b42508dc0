// Identifiers of the program's resources, each once, with the values the resources fix.
// Included by the resource script and by the code.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX            100
#define IDD_MAIN                102

// Icons
#define IDR_MAINFRAME           128
#define IDI_ROM1_8BIT           129
#define IDI_ROM2_8BIT           130
#define IDI_ROM3_8BIT           131
#define IDI_ROM4_8BIT           132
#define IDI_ROM2_16BIT          133
#define IDI_ROM1_16BIT          134
#define IDI_ROM3_16BIT          135
#define IDI_ROM4_16BIT          136

// Strings
#define IDS_ABOUTBOX            101
#define IDS_DONATIONS           102
#define IDS_SETTINGS_SECTION    1001

// System-menu commands (low four bits clear, below the system's own 0xF000)
#define IDM_ABOUTBOX            0x0010
#define IDM_DONATIONS           0x0020

// Controls
#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
#define IDC_FILE                1000
#define IDC_BROWSE              1001
#define IDC_START               1002
#define IDC_END                 1003
#define IDC_LAYOUT1             1004
#define IDC_LAYOUT2             1005
#define IDC_LAYOUT3             1006
#define IDC_LAYOUT4             1007
#define IDC_LAYOUT5             1008
#define IDC_LAYOUT6             1009
#define IDC_PROGRESS            1010
#define IDC_CALC                1011
#define IDC_RESULT              1012
#define IDC_VERSION             1013
#define IDC_LAYOUT1_ROM1        1015
#define IDC_LAYOUT2_ROM1        1016
#define IDC_LAYOUT2_ROM2        1017
#define IDC_LAYOUT3_ROM1        1018
#define IDC_LAYOUT3_ROM2        1019
#define IDC_LAYOUT3_ROM3        1020
#define IDC_LAYOUT3_ROM4        1021
#define IDC_LAYOUT4_ROM1        1022
#define IDC_LAYOUT5_ROM1        1023
#define IDC_LAYOUT5_ROM2        1024
#define IDC_LAYOUT6_ROM1        1025
#define IDC_LAYOUT6_ROM2        1026
#define IDC_LAYOUT6_ROM3        1027
#define IDC_LAYOUT6_ROM4        1028
#define IDC_LINK                1029
