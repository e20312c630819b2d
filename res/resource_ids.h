// The numbers of the program's resources and of the controls and menu commands
// that the code and the end-to-end tests find by number. Plain definitions, so
// that the resource compiler reads this file too.
#pragma once

// Icons: the program's own comes first (index 0), the document icon of a
// taken-over file type second (index 1).
#define IDI_NUVOPICK 1
#define IDI_DOCUMENT 2

// Manifests: the process manifest, read by the loader, and the common
// controls' visual styles, which setup mode alone switches on.
#define IDR_PROCESS_MANIFEST 1
#define IDR_COMMON_CONTROLS_MANIFEST 3

// The command numbers of the menus' first items; the others follow by position.
#define IDM_TRAY_FIRST 101
#define IDM_EXT_EXTRA_FIRST 201

// The gate's list.
#define IDC_GATE_LIST 100

// The icon picker (its OK and Cancel buttons are IDOK and IDCANCEL).
#define IDC_ICON_PATH 100
#define IDC_ICON_BROWSE 101
#define IDC_ICON_INDEX_CAPTION 102
#define IDC_ICON_INDEX 103
#define IDC_ICON_GRID 104

// The setup window: each control with a model, named after it. Item Index of
// a radio group is IDC_RADIO_ITEM(group, Index). Controls without a model
// (labels, headings, lines) are numbered from IDC_SETUP_GENERATED_FIRST on.
#define IDC_RADIO_ITEM(group, index) ((group) + 1 + (index))
#define IDC_SETUP_GENERATED_FIRST 3000

// The frame: the buttons under every page and the pages' tree.
#define IDC_BUTTON_OK 1000
#define IDC_BUTTON_CANCEL 1001
#define IDC_BUTTON_APPLY 1002
#define IDC_BUTTON_RELOAD 1003
#define IDC_TV_SELECT 1004

// "拡張子別": the extensions and their icon.
#define IDC_LABEL_EXT 1100
#define IDC_EDIT_EXT 1101
#define IDC_LABEL_EXTAFTER 1102
#define IDC_BUTTON_EXTNEW 1103
#define IDC_BUTTON_EXTCPY 1104
#define IDC_LISTBOXEX_EXT 1105
#define IDC_EXTUPBUTTON 1106
#define IDC_EXTDOWNBUTTON 1107
#define IDC_BUTTON_EXTDEL 1108
#define IDC_BUTTON_EXTEXTRA 1109
#define IDC_IMAGE_ICON 1110

// The extension's entry editor.
#define IDC_LISTBOXEX_APP 1200
#define IDC_APPUPBUTTON 1201
#define IDC_APPDOWNBUTTON 1202
#define IDC_EDIT_NAME 1203
#define IDC_BUTTON_ASSIST_NAME 1204
#define IDC_EDITEX_PATH 1205
#define IDC_BUTTON_REF_PATH 1206
#define IDC_EDITEX_DIR 1207
#define IDC_BUTTON_ASSIST_DIR 1208
#define IDC_BUTTON_REF_DIR 1209
#define IDC_EDIT_PARAM 1210
#define IDC_CHECKBOX_USECMDP 1211
#define IDC_LABEL_SW 1212
#define IDC_COMBOBOX_SW 1213
#define IDC_EDIT_SHORTCUT 1214
#define IDC_BUTTON_APPNEW 1215
#define IDC_BUTTON_APPADD 1216
#define IDC_BUTTON_APPCHG 1217
#define IDC_BUTTON_APPDEL 1218

// "全拡張子共通": the common entries' editor, in the same order a hundred on.
#define IDC_ALL_LISTBOXEX_APP 1300
#define IDC_ALL_APPUPBUTTON 1301
#define IDC_ALL_APPDOWNBUTTON 1302
#define IDC_ALL_EDIT_NAME 1303
#define IDC_ALL_BUTTON_ASSIST_NAME 1304
#define IDC_ALL_EDITEX_PATH 1305
#define IDC_ALL_BUTTON_REF_PATH 1306
#define IDC_ALL_EDITEX_DIR 1307
#define IDC_ALL_BUTTON_ASSIST_DIR 1308
#define IDC_ALL_BUTTON_REF_DIR 1309
#define IDC_ALL_EDIT_PARAM 1310
#define IDC_ALL_CHECKBOX_USECMDP 1311
#define IDC_ALL_LABEL_SW 1312
#define IDC_ALL_COMBOBOX_SW 1313
#define IDC_ALL_EDIT_SHORTCUT 1314
#define IDC_ALL_BUTTON_APPNEW 1315
#define IDC_ALL_BUTTON_APPADD 1316
#define IDC_ALL_BUTTON_APPCHG 1317
#define IDC_ALL_BUTTON_APPDEL 1318

// "一般". A radio group's items follow it: IDC_RADIO_ITEM.
#define IDC_CHECKBOX_ISWAIT 1400
#define IDC_TRACKBAR_MOVLEN 1401
#define IDC_LABEL_MOVLEN 1402
#define IDC_TRACKBAR_WAITTIME 1403
#define IDC_LABEL_WAITTIME 1404
#define IDC_CHECKBOX_ISNOCLICKEXE 1405
#define IDC_PANEL_AET_NOCLICK 1406
#define IDC_TRACKBAR_NOCLICKWAIT 1407
#define IDC_LABEL_NOCLICKWAIT 1408
#define IDC_CHECKBOX_ISEXEBYSINGLECLICK 1409
#define IDC_CHECKBOX_ISONLY1EXE 1410
#define IDC_CHECKBOX_ISSHOWHINTREL 1411
#define IDC_RADIOGROUP_DEACT 1412
#define IDC_RADIOGROUP_CAIP 1422
#define IDC_CHECKBOX_ISGATHERFILES 1430

// "外観・サウンド".
#define IDC_CHECKBOX_ISUSESKIN 1500
#define IDC_EDIT_SKINPATH 1501
#define IDC_BUTTON_SKINPATH 1502
#define IDC_BUTTON_WINTEST 1503
#define IDC_BUTTON_WINEDIT 1504
#define IDC_BUTTON_FONT 1505
#define IDC_BUTTON_FONTCOLOR 1506
#define IDC_BUTTON_COLOR 1507
#define IDC_LISTBOX_FONTANDCOLOR 1508
#define IDC_CHECKBOX_ISUSESOUND 1509
#define IDC_RADIOBUTTON_SOUND_USER 1510
#define IDC_RADIOBUTTON_SOUND_MB 1511
#define IDC_EDIT_SOUNDPATH 1512
#define IDC_BUTTON_SOUND_USER 1513
#define IDC_BUTTON_SOUND_TRY 1514
#define IDC_RADIOBUTTON_SOUND_MB_OK 1515
#define IDC_RADIOBUTTON_SOUND_MB_IH 1516
#define IDC_RADIOBUTTON_SOUND_MB_IQ 1517
#define IDC_RADIOBUTTON_SOUND_MB_IE 1518
#define IDC_RADIOBUTTON_SOUND_MB_IA 1519
#define IDC_RADIOBUTTON_SOUND_MB_BEEP 1520
#define IDC_CHECKBOX_ISSHOWICON 1521

// "コンテキストメニュー" and "設定モード".
#define IDC_CHECKBOX_CONTEXT_ISDECORATE 1600
#define IDC_EDIT_CONTEXT_DECORATE 1601
#define IDC_CHECKBOX_ISSTATE 1602
#define IDC_CHECKBOX_ISRELONEXE 1603
#define IDC_RADIOGROUP_REGSCOPE 1604
#define IDC_CHECKBOX_ISSHOWHINT 1614

// The about panel of the root page.
#define IDC_LABEL_APPTITLE 1700
#define IDC_LABEL_RELEASE 1701
#define IDC_LABEL_MYURL 1702
#define IDC_LABEL_MYMAIL 1703
#define IDC_LABEL_SHOWREADME 1704
