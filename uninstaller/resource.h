#pragma once
// Numbers shared by the uninstaller's resource script and its code.

#define IDI_UNINSTALL 2000
#define IDD_UNINSTALL 5000

// Controls of the dialog.
#define IDC_UNINSTALL_BUTTON 1001
#define IDC_CANCEL_BUTTON 1002

// Texts, in English, simplified Chinese and traditional Chinese.
#define IDS_UNINSTALL 2   // dialog caption and button 1001
#define IDS_CANCEL 4      // button 1002
#define IDS_REMOVED 6     // completion message
#define IDS_INCOMPLETE 7  // completion message when something is left; %s lists it
