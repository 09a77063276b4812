/* Resource ids of the executable, shared by the resource script and the code. */
#pragma once

#define IDI_MAIN_ICON 1

#define IDP_BACKGROUND 101
#define IDP_ICON48 102
#define IDP_ICON16 103
#define IDP_BAND 104
#define IDP_WORD_FILE 105
#define IDP_WORD_EDIT 106
#define IDP_WORD_TOOLS 107
#define IDP_FOLD_NORMAL 108
#define IDP_FOLD_HOT 109
#define IDP_UNFOLD_NORMAL 110
#define IDP_UNFOLD_HOT 111
#define IDP_RESTORE 112
#define IDP_MINIMIZE_NORMAL 113
#define IDP_MINIMIZE_HOT 114
#define IDP_CLOSE_NORMAL 115
#define IDP_CLOSE_HOT 116

#define IDC_LINK_CURSOR 201
