#pragma once

// Control IDs of the calculator window (dialog template 102).
namespace skycalc {

enum ControlId : int {
  IDC_DIGIT1 = 1000,
  IDC_DIGIT2 = 1001,
  IDC_DIGIT3 = 1002,
  IDC_DIGIT4 = 1003,
  IDC_DIGIT5 = 1004,
  IDC_DIGIT6 = 1005,
  IDC_DIGIT7 = 1006,
  IDC_DIGIT8 = 1007,
  IDC_DIGIT9 = 1008,
  IDC_DIGIT0 = 1009,
  IDC_SIGN = 1010,
  IDC_POINT = 1011,
  IDC_FIELD_LONGITUDE = 1012,
  IDC_FIELD_LATITUDE = 1013,
  IDC_FIELD_AZIMUTH = 1014,
  IDC_FIELD_HOUR = 1015,
  IDC_FIELD_MINUTE = 1016,
  IDC_FIELD_BLANK1 = 1017,
  IDC_FIELD_YEAR = 1018,
  IDC_FIELD_MONTH = 1019,
  IDC_FIELD_DAY = 1020,
  IDC_FIELD_ZONEHOUR = 1021,
  IDC_FIELD_ZONEMINUTE = 1022,
  IDC_SET = 1024,
  IDC_CLEAR = 1025,
  IDC_ENTRY = 1026,
  IDC_EQUATORIAL = 1030,
  IDC_HORIZONTAL = 1031,
  IDC_JULIANDAY = 1032,
  IDC_SIDEREAL = 1033,
  IDC_YEAR = 1034,
  IDC_MONTH = 1035,
  IDC_DAY = 1036,
  IDC_HOUR = 1037,
  IDC_MINUTE = 1038,
  IDC_LONGITUDE = 1039,
  IDC_LATITUDE = 1040,
  IDC_AZIMUTH = 1041,
  IDC_ZONEHOUR = 1042,
  IDC_ZONEMINUTE = 1043,
  IDC_TIME = 1044,
  IDC_RAAZM = 1045,
  IDC_DECALT = 1046,
  IDC_PLANETLIST = 1047,
  IDC_STARLIST = 1048,
  IDC_CONSTLIST = 1049,
  IDC_PLANET = 1051,
  IDC_STAR = 1053,
  IDC_CONSTELLATION = 1054,
  IDC_ALLCLEAR = 1055,
  IDC_FIELD_BLANK2 = 1062,
};

// The key of digit 0-9 ("1" to "9" are consecutive IDs, "0" follows "9").
constexpr int DigitKeyId(int digit) { return digit == 0 ? IDC_DIGIT0 : IDC_DIGIT1 + (digit - 1); }
// The digit 0-9 of a digit key, or -1 for any other ID.
constexpr int DigitOfKey(int id) {
  if (id == IDC_DIGIT0) return 0;
  return id >= IDC_DIGIT1 && id <= IDC_DIGIT9 ? id - IDC_DIGIT1 + 1 : -1;
}

}  // namespace skycalc
