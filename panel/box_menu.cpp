#include "panel/box_menu.h"

namespace skycalc {

// The access keys are the letters of the window's first menu (P stays
// 高精度計算's, so 天象 takes T).
const MenuEntry kMenuEntries[kMenuEntryCount] = {
    {MenuAction::kRiseSet, "riseSet", "出没時刻", 'R', true, false},
    {MenuAction::kAlmanac, "almanac", "暦", 'K', true, false},
    {MenuAction::kPhenomena, "phenomena", "天象", 'T', true, false},
    {MenuAction::kEclipses, "eclipses", "日食・月食", 'E', true, false},
    {MenuAction::kChart, "chart", "星図", 'M', true, false},
    {MenuAction::kSeparator, "", "", 0, false, false},
    {MenuAction::kPlaces, "places", "地点", 'L', true, false},
    {MenuAction::kPrecise, "precise", "高精度計算", 'P', false, true},
    {MenuAction::kNight, "night", "夜間表示", 'N', false, true},
    {MenuAction::kSeparator, "", "", 0, false, false},
    {MenuAction::kAbout, "about", "「ほしよみ君」 のﾊﾞｰｼﾞｮﾝ情報", 'A', true, false},
};

std::string MenuCaption(const MenuEntry& entry) {
  if (entry.action == MenuAction::kSeparator) return "";
  return std::string(entry.label) + "(&" + entry.accessKey + ")" + (entry.opensBox ? "..." : "");
}

std::string MenuJson() {
  std::string out = "[";
  for (const MenuEntry& e : kMenuEntries) {
    if (out.size() > 1) out += ',';
    if (e.action == MenuAction::kSeparator) {
      out += "null";
      continue;
    }
    // The labels hold no quote or backslash, so they go into the JSON as they are.
    out += std::string("{\"key\":\"") + e.key + "\",\"label\":\"" + e.label + "\",\"accessKey\":\"" + e.accessKey +
           "\",\"suffix\":\"" + (e.opensBox ? "..." : "") + "\",\"checkable\":" + (e.checkable ? "true" : "false") +
           "}";
  }
  return out + "]";
}

}  // namespace skycalc
