#pragma once

#include <array>
#include <string>

// The version box as values: its caption, the program's name and version,
// and the lines about the maker, shown by the window (app/about_dlg) and the
// page (showAbout) in the layout of app/about_dlg.ui.
namespace skycalc {

// The program's version, "1.2" (the build's project version).
const char* ProgramVersion();

struct AboutBox {
  std::string caption;                // "「ほしよみ君」のﾊﾞｰｼﾞｮﾝ情報"
  std::string title;                  // "星空ポケット「ほしよみ君」 ver1.2"
  std::array<std::string, 4> lines;   // the maker, the motto, where to report, the licence
};

AboutBox MakeAboutBox();

}  // namespace skycalc
