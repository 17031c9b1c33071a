// Dialog template and control ids of the program's own windows, shared by the presenters and
// the resource script (plain #defines, so that the resource compiler reads them too).
#pragma once

#define IDD_WELCOME 101
#define IDD_MAIN 102
#define IDD_EXIT_QUERY 103
#define IDD_ABOUT 104

// The welcome dialog.
#define IDC_WELCOME_ICON 1201
#define IDC_WELCOME_GREETING 1202
#define IDC_WELCOME_INTRO 1203
#define IDC_WELCOME_MESSAGE 1204
#define IDC_WELCOME_FOLDER 1205
#define IDC_WELCOME_NOTE 1206
#define IDC_WELCOME_ACCEPT 1207
#define IDC_WELCOME_CHANGE 1208
#define IDC_WELCOME_CANCEL 2  // IDCANCEL: Esc and the close box too

// The main dialog.
#define IDC_MAIN_ICON 1301
#define IDC_MAIN_INTRO 1302
#define IDC_MAIN_KIND_GROUP 1303
#define IDC_MAIN_KIND_DIARY 1304
#define IDC_MAIN_KIND_PET 1305
#define IDC_MAIN_KIND_EVENT 1306
#define IDC_MAIN_DRAWER_GROUP 1307
#define IDC_MAIN_DRAWER_LABEL 1308
#define IDC_MAIN_DRAWER 1309
#define IDC_MAIN_OUTPUT_GROUP 1310
#define IDC_MAIN_OUTPUT_LABEL 1311
#define IDC_MAIN_OUTPUT 1312
#define IDC_MAIN_BROWSE 1313
#define IDC_MAIN_DESKTOP 1314
#define IDC_MAIN_NEWEST 1315
#define IDC_MAIN_BROWSER 1316
#define IDC_MAIN_MAKE 1317
#define IDC_MAIN_HONKI 1318
#define IDC_MAIN_QUIT 1319
// The system menu entry of the about box (a multiple of 16 below 0xF000).
#define IDM_ABOUTBOX 0x0010

// The exit query.
#define IDC_EXIT_ICON 1401
#define IDC_EXIT_TEXT 1402
#define IDC_EXIT_DONT_ASK 1403
#define IDC_EXIT_DISCARD 1404
#define IDC_EXIT_SAVE 1405
#define IDC_EXIT_CANCEL 2  // IDCANCEL

// The about box.
#define IDC_ABOUT_ICON 1501
#define IDC_ABOUT_NAME 1502
#define IDC_ABOUT_CREDIT 1503
#define IDC_ABOUT_CREDIT2 1504
#define IDC_ABOUT_GUIDE_LINK 1505
#define IDC_ABOUT_FOLDER_LINK 1506
#define IDC_ABOUT_OK 1  // IDOK
