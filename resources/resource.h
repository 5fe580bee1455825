/* Resource and command ids shared by the .rc files and the code. No
   includes: windres reads this file too. Named resources (the icon, menu
   and accelerator table VEXOLAN, the dialogs FAVORITE, ADDFAV, SEARCH,
   STBASE and ABOUT) are referred to by name, not by number. */
#ifndef VEXOSCOPE_RESOURCE_H
#define VEXOSCOPE_RESOURCE_H

/* Strings */
#define IDS_APP_TITLE           4001 /* "Vexoscope" */
#define IDS_INIT_ERROR          4002 /* "IE Intialize error!" */
#define IDS_INIT_ERROR_CAPTION  4003 /* "Error!" */
#define IDS_MENU_STEREO         4004
#define IDS_MENU_SEARCH         4005
#define IDS_MENU_STEREO_BASE    4006
#define IDS_MENU_SWAP           4007
#define IDS_MENU_NAVIGATOR      4008
#define IDS_MENU_EARTH_MAP      4009
#define IDS_CAPTION_FORMAT      4010 /* "Vexoscope (dx=%d,dy=%d,%s,rev=%d)" */
#define IDS_MENU_ABOUT          4011
#define IDS_MENU_HELP           4012
#define IDS_START_PAGE          4013
#define IDS_HELP_PAGE           4015
#define IDS_MENU_CLOSE          4016
#define IDS_FORMAT_NAME_FIRST   4020 /* 4020 + format, for formats 0 to 9 */
#define IDS_MENU_FAVORITE       4036
#define IDS_DELETE_CONFIRM      4037
#define IDS_DELETE_CAPTION      4038
#define IDS_FAVORITE_PAGE       4041
#define IDS_FORMAT_COLUMN_INTERLEAVE 4100 /* 4020 + 80: the caption's name of format 80 */

/* Commands */
#define IDM_FORMAT_FIRST        1000 /* 1000 + format, 0 to 9 */
#define IDM_FORMAT_LAST         1009
#define IDM_SHIFT_UP            2000
#define IDM_SHIFT_DOWN          2001
#define IDM_SHIFT_LEFT          2002
#define IDM_SHIFT_RIGHT         2003
#define IDM_SEARCH              3001
#define IDM_NAVIGATOR           3002
#define IDM_EARTH_MAP           3003
#define IDM_STEREO_BASE         3004
#define IDM_SWAP                3005
#define IDM_ABOUT               3006
#define IDM_HELP                3007
#define IDM_CLOSE               3008
#define IDM_READ_POSITION       3009
#define IDM_FAVORITE            3016

/* Dialog controls */
#define IDC_SEARCH_TEXT         1200 /* SEARCH */
#define IDC_BASE_DIVISOR        1201 /* STBASE */
#define IDC_FAVORITE_LIST       1200 /* FAVORITE */
#define IDC_FAVORITE_ADD        1202
#define IDC_FAVORITE_DELETE     1203
#define IDC_FAVORITE_REFILL     1206 /* a command only: no control has it */
#define IDC_FAVORITE_EDIT_FILE  1210
#define IDC_ADDFAV_NAME         1204 /* ADDFAV */
#define IDC_ADDFAV_POSITION     1205
#define IDC_ADDFAV_PARAMS       1207
#define IDC_ADDFAV_SAVE_PARAMS  1208
#define IDC_ADDFAV_PARAMS_LABEL 1209

#endif
