#pragma once
// Every key of the configuration file with its type and default.

namespace zt {

struct BoolKey {
  const char* section;
  const char* name;
  bool fallback;
};

struct IntKey {
  const char* section;
  const char* name;
  int fallback;
};

struct TextKey {
  const char* section;
  const char* name;
  const char* fallback;       // UTF-8
  bool inProgramFolder = false; // the default is the program folder followed by `fallback`
};

namespace keys {

// [window]
inline constexpr BoolKey kTitleFilename{"window", "title_filename", true};
inline constexpr BoolKey kTitleFullpath{"window", "title_fullpath", false};
inline constexpr BoolKey kTaskFilename{"window", "task_filename", false};
inline constexpr BoolKey kWindowPosBefore{"window", "window_pos_before", true};
inline constexpr BoolKey kWindowPosNum{"window", "window_pos_num", false};
inline constexpr IntKey kWindowPosX{"window", "window_pos_x", 0};
inline constexpr IntKey kWindowPosY{"window", "window_pos_y", 0};
inline constexpr BoolKey kWindowPosRandom{"window", "window_pos_random", false};
inline constexpr IntKey kWindowWidth{"window", "window_width", 840};
inline constexpr IntKey kWindowHeight{"window", "window_height", 576};
inline constexpr BoolKey kWindowMax{"window", "max", false};
inline constexpr BoolKey kStayTop{"window", "stay_top", false};
inline constexpr BoolKey kStayTopToolWindow{"window", "stay_top_toolwin", false};
inline constexpr TextKey kTheme{"window", "theme", "Default"};
inline constexpr BoolKey kAllowDrag{"window", "allowdrag", true};
inline constexpr BoolKey kShowPositionWindow{"window", "show_poswin", false};
inline constexpr BoolKey kBookmarkPanel{"window", "siori", false};
inline constexpr BoolKey kMessagePanel{"window", "mes", false};

// [tab]
inline constexpr IntKey kTabPosition{"tab", "position", 0};

// [map]
inline constexpr BoolKey kMini{"map", "mini", false};
inline constexpr BoolKey kViewNum{"map", "view_num", false};
inline constexpr BoolKey kViewInfo{"map", "view_info", true};
inline constexpr BoolKey kGrid{"map", "grid", false};
inline constexpr IntKey kGridType{"map", "grid_type", 3};
inline constexpr IntKey kGridColourType{"map", "grid_coltype", 0};
inline constexpr IntKey kGridColour{"map", "grid_color", 0};
inline constexpr BoolKey kPlatformView{"map", "ugokuyuka_view", true};
inline constexpr BoolKey kFillEverywhere{"map", "nuritubushi", false};
// The automatic refresh: documents are set up with 1 when the key is
// missing, while the options dialog shows 0 for a missing key.
inline constexpr IntKey kAutoReload{"map", "auto_reload", 1};
inline constexpr IntKey kAutoReloadInDialog{"map", "auto_reload", 0};
inline constexpr IntKey kFontColour{"map", "font_color", 255};
inline constexpr BoolKey kBookmarksWithProjects{"map", "siori", true};

// [mapt]
inline constexpr BoolKey kTextMapColour{"mapt", "color", false};

// [html]
inline constexpr BoolKey kComment{"html", "comment", false};
inline constexpr BoolKey kMapPrint{"html", "map_print", false};
inline constexpr BoolKey kViewCopyright{"html", "view_copyright", false};

// [file]
inline constexpr TextKey kHtmlHeader{"file", "html_header", "header.htm", true};
inline constexpr TextKey kHtmlFooter{"file", "html_footer", "footer.htm", true};
inline constexpr TextKey kTestPlayPage{"file", "testplay", "html/testplay.htm", true};
inline constexpr TextKey kHtmlDir{"file", "html_dir", "html/", true};
inline constexpr TextKey kHtmlExt{"file", "html_ext", "*.htm;*.html"};
inline constexpr BoolKey kBmpToGif{"file", "autbmptogif", false};
inline constexpr TextKey kDataDir{"file", "data_dir", "data/", true};

// [testplay]
inline constexpr IntKey kTestMode{"testplay", "test_mode", 0};
inline constexpr TextKey kTestProgram{"testplay", "program", "chromium"};
inline constexpr IntKey kSupportBrowser{"testplay", "application", 0};

// [first]
inline constexpr BoolKey kFirstDone{"first", "first", false};
inline constexpr BoolKey kFirstChecked{"first", "checked", true};

// [ftp]
inline constexpr TextKey kFtpUser{"ftp", "username", ""};
inline constexpr TextKey kFtpPassword{"ftp", "password", ""};
inline constexpr TextKey kFtpServer{"ftp", "server", ""};
inline constexpr IntKey kFtpPort{"ftp", "port", 21};
inline constexpr BoolKey kFtpPassive{"ftp", "passive", true};
inline constexpr TextKey kFtpCurrent{"ftp", "current", "/"};

// [hfiles]: keys "0" to "9", the recent files, newest first.
inline constexpr const char* kRecentSection = "hfiles";
inline constexpr int kRecentCount = 10;

} // namespace keys
} // namespace zt
