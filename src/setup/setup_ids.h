// Dialog template and control ids of setup.exe's windows, shared by the views, the resource
// script and the tests that drive the real program (plain #defines for the resource compiler).
#pragma once

#define IDD_SETUP_FOLDER 201
#define IDD_SETUP_OPTIONS 202
#define IDD_SETUP_COPY 203
#define IDD_SETUP_BROWSE 204
#define IDD_SETUP_REMOVAL 205

// Page 1: the installation folder.
#define IDC_SETUP_FOLDER_PROMPT 2101
#define IDC_SETUP_FOLDER_EDIT 2102
#define IDC_SETUP_FOLDER_BROWSE 2103
#define IDC_SETUP_NOTE_LABEL 2104
#define IDC_SETUP_NOTE 2105

// Page 2: the shortcut options.
#define IDC_SETUP_START_MENU 2201
#define IDC_SETUP_DESKTOP 2202

// Page 3: the copy.
#define IDC_SETUP_COPY_TEXT 2301
#define IDC_SETUP_PROGRESS 2302
#define IDC_SETUP_CONTROL_PANEL 2303

// The folder-browse template: the label above the folder list (the dialog's own controls
// keep their standard ids).
#define IDC_BROWSE_FOLDERS_LABEL 2401

// The removal dialog: its text line; the close button is IDOK.
#define IDC_REMOVAL_TEXT 2501
#define IDC_REMOVAL_CLOSE 1  // IDOK
