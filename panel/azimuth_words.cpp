#include "panel/azimuth_words.h"

#include <cmath>

#include "panel/readout_format.h"

namespace skycalc {

namespace {

// The cardinal points in the order the azimuth runs, from the south-based 0.
const char* const kCardinals[4] = {"南", "西", "北", "東"};

}  // namespace

void AppendAzimuthOriginWords(std::string& out, double originDegrees) {
  // The fields never hold a non-finite origin (a stored one falls back to its default).
  double folded = std::isfinite(originDegrees) ? std::fmod(originDegrees, 360.0) : 0.0;
  if (folded < 0.0) folded += 360.0;
  if (!(folded < 360.0)) folded = 0.0;  // -0.0...01 folds to 360 in floating point
  const int quadrant = static_cast<int>(folded / 90.0);
  const double past = folded - 90.0 * quadrant;
  const char* const from = kCardinals[quadrant];
  const char* const toward = kCardinals[(quadrant + 1) % 4];
  if (past == 0.0) {
    out += "方位は";
    out += from;
    out += "から";
    out += toward;
    out += "回り";
    return;
  }
  out += "方位0°は";
  out += from;
  out += "から";
  out += toward;
  out += "へ";
  out += FormatText("%.2f", past);
  out += "°、";
  out += toward;
  out += "回り";
}

std::string AzimuthOriginWords(double originDegrees) {
  std::string words;
  AppendAzimuthOriginWords(words, originDegrees);
  return words;
}

std::string AzimuthOriginHelp() {
  return "方位の項目は、方位角を数え始める向きです(南を0°として西回りに測った角度)。"
         "地平座標の方位角はその向きから数えます: 0なら「" +
         AzimuthOriginWords(0.0) + "」、180なら「" + AzimuthOriginWords(180.0) + "」、90なら「" +
         AzimuthOriginWords(90.0) + "」。出没時刻などの方位を示す出力には、この言葉を添えます。";
}

}  // namespace skycalc
