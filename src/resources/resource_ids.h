// Numbers shared by the resource script and the dialog code: control ids, the copy step
// command and the icon.
#pragma once

#define IDI_LAUNCHER 107

// Main window buttons.
#define IDC_INSTALL_BUTTON 1001
#define IDC_UNINSTALL_BUTTON 1002
#define IDC_RUN_GAME_BUTTON 1003
#define IDC_EXIT_BUTTON 1004

// INSTALL dialog.
#define IDC_BROWSE 1000
#define IDC_FOLDER_EDIT 1001
#define IDC_KIND_MINIMUM 1017
#define IDC_KIND_MAXIMUM 1018
#define IDC_KIND_CUSTOM 1019
#define IDC_TYPE0_CHECK 1020
#define IDC_TYPE1_CHECK 1021
#define IDC_TYPE2_CHECK 1022
#define IDC_TYPE3_CHECK 1023
#define IDC_TYPE4_CHECK 1024
#define IDC_SIZE_MINIMUM 1026
#define IDC_SIZE_MAXIMUM 1027
#define IDC_SIZE_TYPE0 1028
#define IDC_SIZE_TYPE1 1029
#define IDC_SIZE_TYPE2 1030
#define IDC_SIZE_TYPE3 1031
#define IDC_SIZE_TYPE4 1032

// Confirmation dialogs and FILECOPY.
#define IDC_MESSAGE_TEXT 1009
#define IDC_KEEP_SAVES 1016
#define IDC_COPY_PROGRESS 1040

// The copy step, sent by the FILECOPY dialog to itself.
#define IDC_COPY_STEP 1010
