// The numbers of the program's resources: the resource script's own
// vocabulary, shared by the resource tables, the XRC file and the code.
//
// One number can name several kinds of resource (menu, accelerators, icon,
// toolbar and document string 128 belong together) and a control number is
// only unique inside its dialog, so several names may share one value.

#ifndef TARVENNA_RES_RESOURCE_IDS_H_
#define TARVENNA_RES_RESOURCE_IDS_H_

// Resources of the main frame: menu, accelerator table, icon, toolbar (with
// its bitmap) and the document string.
constexpr int IDR_MAINFRAME = 128;

// Dialog templates. 101 is the query form that fills the main frame.
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_QUERY_FORM = 101;
constexpr int IDD_ADD_ENTRY = 130;
constexpr int IDD_NEW_TM = 131;

// The size of the query form (template 101) in dialog units: the main
// window's client area starts at this size.
constexpr int kQueryFormWidthDlu = 280;
constexpr int kQueryFormHeightDlu = 160;

// Bitmaps besides the toolbar's.
constexpr int IDB_LOGO = 131;

// Controls. Dialogs 130 and 131 and the query form reuse some numbers.
constexpr int IDC_QUERY_TEXT = 1000;
constexpr int IDC_QUERY = 1001;
constexpr int IDC_RESULTS = 1002;
constexpr int IDC_SOURCE = 1003;
constexpr int IDC_SOURCE_LOCALE = 1003;
constexpr int IDC_TARGET = 1004;
constexpr int IDC_TARGET_LOCALE = 1004;
constexpr int IDC_ID = 1005;
constexpr int IDC_TYPE = 1006;
constexpr int IDC_THRESHOLD = 1006;
constexpr int IDC_THRESHOLD_SPIN = 1007;
constexpr int IDC_SOURCE_KEY = 1008;
constexpr int IDC_LOGO = 1009;
constexpr int IDC_MATCH_COUNT = 1010;
constexpr int IDC_TM_PATH = 1013;
constexpr int IDC_ENTRY_COUNT = 1015;
constexpr int IDC_X = 1016;
constexpr int IDC_Y = 1017;
constexpr int IDC_CONCORDANCE = 1017;
constexpr int IDC_CX = 1018;
constexpr int IDC_CY = 1019;
constexpr int IDC_BROWSE = 1129;

// Commands. The number of a command is also the number of its prompt in the
// string table.
constexpr int ID_FILE_ADD_ENTRY = 32772;
constexpr int ID_FILE_EXPORT_TMX = 32774;
constexpr int ID_FILE_IMPORT_ENTRIES = 32776;
constexpr int ID_HELP_MAKER_SITE = 32782;
constexpr int ID_HELP_MAGAZINE_SITE = 32783;
constexpr int ID_HELP_OPENTAG_SPEC = 32784;
constexpr int ID_HELP_TMX_SPEC = 32785;
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_EXPORT_OPENTAG = 57604;
constexpr int ID_FILE_MRU_FILE1 = 57616;
constexpr int ID_FILE_MRU_LAST = 57631;  // room for 16 recent files
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;
// The bars' window numbers double as the commands that show or hide them.
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;

// Status bar panes: the message pane and the keyboard indicators.
constexpr int ID_SEPARATOR = 0;
constexpr int ID_INDICATOR_EXT = 59136;
constexpr int ID_INDICATOR_CAPS = 59137;
constexpr int ID_INDICATOR_NUM = 59138;
constexpr int ID_INDICATOR_SCRL = 59139;
constexpr int ID_INDICATOR_OVR = 59140;

// Strings that are not command prompts.
constexpr int IDS_ERROR_ADDING_ENTRY = 129;
constexpr int IDS_ENTRY_EXISTS = 130;
constexpr int IDS_EMPTY_ENTRY = 131;
constexpr int IDS_IMPORT_FAILED = 132;
constexpr int IDS_OPEN_OR_CREATE_FAILED = 133;
constexpr int IDS_IMPORT_EXPLANATION = 134;
constexpr int IDS_EXPORTING_OPENTAG = 135;
constexpr int IDS_EXPORTING_TMX = 136;
constexpr int IDS_IMPORTING = 137;
constexpr int IDS_FILE_EXISTS = 138;
constexpr int IDS_IMPORT_DONE = 200;
constexpr int IDS_KEY_ERROR = 201;
constexpr int IDS_KEY_EMPTY = 202;
constexpr int IDS_ONE_MATCH = 203;
constexpr int IDS_MATCHES = 204;
constexpr int IDS_OPENTAG_FILTER = 205;
constexpr int IDS_OPENTAG_TITLE = 206;
constexpr int IDS_TMX_FILTER = 207;
constexpr int IDS_TMX_TITLE = 208;
constexpr int IDS_IMPORT_FILTER = 209;
constexpr int IDS_IMPORT_TITLE = 210;
constexpr int IDS_TM_FILTER = 211;
constexpr int IDS_BROWSE_TM_TITLE = 212;
constexpr int IDS_ONE_ENTRY = 213;
constexpr int IDS_ENTRIES = 214;
constexpr int IDS_EXPORT_OVER_TM = 215;
constexpr int IDS_EXPORT_FAILED = 216;
constexpr int IDS_TM_IN_USE = 217;
constexpr int IDS_SAVE_FAILED = 218;
constexpr int IDS_CANNOT_READ_FILE = 219;
constexpr int IDS_PROGRESS = 220;
constexpr int IDS_APP_TITLE = 57344;
constexpr int IDS_IDLE_MESSAGE = 57345;
constexpr int IDS_OPEN_TITLE = 61440;
constexpr int IDS_ALL_FILES_FILTER = 61442;
constexpr int IDS_SC_SIZE = 61184;
constexpr int IDS_SC_MOVE = 61185;
constexpr int IDS_SC_MINIMIZE = 61186;
constexpr int IDS_SC_MAXIMIZE = 61187;
constexpr int IDS_SC_NEXT_WINDOW = 61188;
constexpr int IDS_SC_PREV_WINDOW = 61189;
constexpr int IDS_SC_CLOSE = 61190;
constexpr int IDS_SC_RESTORE = 61202;
constexpr int IDS_SC_TASK_LIST = 61203;
// Texts of the dialogs' data validation; %1 and %2 stand for numbers.
constexpr int IDP_PARSE_INT = 61712;
constexpr int IDP_PARSE_INT_RANGE = 61714;
constexpr int IDP_PARSE_STRING_SIZE = 61716;

// Parts of document string 128, split at its line feeds.
enum DocStringIndex {
  kDocWindowTitle = 0,
  kDocName = 1,
  kDocFileNewName = 2,
  kDocFilterName = 3,
  kDocFilterExt = 4,
  kDocRegFileTypeId = 5,
  kDocRegFileTypeName = 6,
};

// wx keeps menu and tool ids below 0x7FFF (Windows carries them as signed 16
// bits), and every command number here is 0x8000 or more. So a command
// travels through wx as its number less 0x8000; the two functions below are
// the only place that knows.
constexpr int kWxCommandOffset = 0x8000;
constexpr int WxCommandId(int command) { return command - kWxCommandOffset; }
constexpr int CommandFromWxId(int wx_id) { return wx_id + kWxCommandOffset; }

#endif  // TARVENNA_RES_RESOURCE_IDS_H_
