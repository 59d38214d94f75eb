#pragma once

// Where the calculator keeps its settings: the store's company and
// application names, the section and the value names. One list for the
// window, skycalc-cli and the tests.
namespace skycalc {

// The window names its store after its program file ("skycalc" as installed);
// skycalc-cli, another program, reads the window's store by this name.
inline constexpr char kCompanyName[] = "Quillmoor";
inline constexpr char kApplicationName[] = "skycalc";

inline constexpr char kSettingsSection[] = "Config";
inline constexpr char kLongitudeSetting[] = "Longitude";
inline constexpr char kLatitudeSetting[] = "Latitude";
inline constexpr char kAzimuthSetting[] = "Azimuth";
inline constexpr char kZoneHourSetting[] = "SDHour";
inline constexpr char kZoneMinuteSetting[] = "SDMinute";
// The five values the close request writes, and a default no stored value
// can be (a read that returns it found nothing stored).
inline constexpr int kSavedSettingCount = 5;
inline constexpr char kAbsentSetting[] = "\x01" "absent";
// The name of the place (地点) the site was chosen as, written beside the
// five by the close request; "" when the site was keyed.
inline constexpr char kPlaceSetting[] = "Place";
// "1" when the window was closed in the precise model (written by the window only).
inline constexpr char kPreciseSetting[] = "Precise";
// "1" when the window or the page was closed in night mode (夜間表示, red on black).
inline constexpr char kNightSetting[] = "Night";

// Shown, with the store's file, when the close request could not write the settings.
inline constexpr char kSettingsNotSavedMessage[] = "設定を保存できませんでした。";

}  // namespace skycalc
