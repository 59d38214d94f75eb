#include "panel/chart_box.h"

#include "panel/readout_format.h"
#include "panel/sky_chart.h"

namespace skycalc {

const ChartTimeStep kChartTimeSteps[kChartTimeStepCount] = {{"−1日", -1440}, {"−1時間", -60}, {"−10分", -10},
                                                            {"+10分", 10},   {"+1時間", 60},  {"+1日", 1440}};

const ChartFacing kChartFacings[kChartFacingCount] = {{"北", 0.0},    {"北東", 45.0},  {"東", 90.0},  {"南東", 135.0},
                                                      {"南", 180.0}, {"南西", 225.0}, {"西", 270.0}, {"北西", 315.0}};

const ChartBoxTexts kChartBoxTexts = {"星図", "現在の設定に戻す", "下にする方位:", "全天(南を下に)",
                                      "黄道", "天の赤道",         "閉じる"};

std::string ChartBoxJson() {
  // The texts hold no quote or backslash, so they go into the JSON as they are.
  const auto text = [](const char* s) { return std::string("\"") + s + "\""; };
  const ChartBoxTexts& t = kChartBoxTexts;
  std::string out = "{\"caption\":" + text(t.caption) + ",\"reset\":" + text(t.reset) +
                    ",\"facingLabel\":" + text(t.facingLabel) + ",\"whole\":" + text(t.whole) +
                    ",\"ecliptic\":" + text(t.ecliptic) + ",\"equator\":" + text(t.equator) +
                    ",\"close\":" + text(t.close) + ",\"steps\":[";
  for (int i = 0; i < kChartTimeStepCount; ++i)
    out += (i ? ",[" : "[") + text(kChartTimeSteps[i].text) + "," + std::to_string(kChartTimeSteps[i].minutes) + "]";
  out += "],\"facings\":[";
  for (int i = 0; i < kChartFacingCount; ++i)
    out += (i ? ",[" : "[") + text(kChartFacings[i].text) + "," + FormatText("%g", kChartFacings[i].azimuth) + "]";
  return out + "],\"southFacing\":" + std::to_string(kChartSouthFacing) + ",\"reach\":" +
         FormatText("%g", kChartClickReach) + ",\"unitsWide\":" + FormatText("%g", kChartUnitsWide) +
         ",\"dragThreshold\":" + FormatText("%g", kChartDragThreshold) + ",\"view\":{\"facing\":" +
         FormatText("%g", ChartView{}.facing) + ",\"ecliptic\":" + (ChartView{}.ecliptic ? "true" : "false") +
         ",\"equator\":" + (ChartView{}.equator ? "true" : "false") + "}}";
}

}  // namespace skycalc
