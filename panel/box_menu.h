#pragma once

#include <string>

// The calculator's menu (the window's right click, the page's menu): its
// entries in order, each with its caption and access key, so that every
// front end offers the same entries under the same names.
namespace skycalc {

enum class MenuAction {
  kSeparator,
  kRiseSet,    // 出没時刻
  kAlmanac,    // 暦
  kPhenomena,  // 天象
  kEclipses,   // 日食・月食
  kChart,      // 星図
  kPlaces,     // 地点: a site by name
  kPrecise,    // 高精度計算, checked while the precise model is in use
  kNight,      // 夜間表示, checked while every colour is red on black
  kAbout,      // the version box
};

struct MenuEntry {
  MenuAction action;
  const char* key;      // the action's name for a front end in another language ("riseSet" ...); "" for a separator
  const char* label;    // without the access key: "出没時刻"
  char accessKey;       // 'R'; shown underlined after the label
  bool opensBox;        // "..." after the key: the entry opens a box
  bool checkable;       // shows a check mark
};

inline constexpr int kMenuEntryCount = 11;
extern const MenuEntry kMenuEntries[kMenuEntryCount];

// The entry's caption in the window's notation: "出没時刻(&R)...".
std::string MenuCaption(const MenuEntry& entry);

// The entries as JSON for the page: [{"key", "label", "accessKey", "suffix":
// "..." or "", "checkable"} or null for a separator].
std::string MenuJson();

}  // namespace skycalc
