// skycalc-box-texts: what the window's boxes show, read from their widgets,
// as JSON lines for the browser tests to compare the page's boxes with.
//   skycalc-box-texts almanac YEAR MONTH ZONEHOUR ZONEMINUTE COUNT
//     the 暦 box of YEAR-MONTH, then COUNT - 1 clicks of 翌月: per month
//     {"title", "previous", "next", "heads": [7], "cells": [{"day", "texts":
//     CellTexts, "colour": "sunday"|"saturday"|"plain", "moon": the icon's
//     display list}], "events": [3 columns], "note"}
//   skycalc-box-texts about   {"caption", "title", "lines": [4]}
// Runs on Qt's offscreen platform.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/about_dlg.h"
#include "app/almanac_dlg.h"
#include "app/dialog_units.h"

namespace {

std::string Json(const QString& text) {
  std::string out = "\"";
  for (const char c : text.toStdString()) {
    if (c == '"' || c == '\\') out += '\\', out += c;
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out + "\"";
}

std::string Label(const QWidget& box, const char* name) { return Json(box.findChild<QLabel*>(name)->text()); }

std::string AlmanacMonth(skycalc::CAlmanacDlg& box) {
  const auto* view = box.findChild<skycalc::CMonthGridView*>();
  const auto enabled = [&](const char* name) { return box.findChild<QPushButton*>(name)->isEnabled() ? "true" : "false"; };
  std::string out = "{\"title\":" + Label(box, "IDC_ALMANAC_MONTH") + ",\"previous\":" + enabled("IDC_ALMANAC_PREVIOUS") +
                    ",\"next\":" + enabled("IDC_ALMANAC_NEXT") + ",\"heads\":[";
  for (int d = 0; d < skycalc::kAlmanacWeekLength; ++d)
    out += (d ? "," : "") + Json(QString::fromStdString(box.Box().heads[d]));
  out += "],\"cells\":[";
  for (int day = 1; const skycalc::AlmanacCell* cell = view->CellOf(day); ++day) {
    const QColor colour = view->DayColour(day);
    out += std::string(day > 1 ? "," : "") + "{\"day\":" + std::to_string(day) + ",\"texts\":[";
    const QStringList texts = view->CellTexts(day);
    for (int i = 0; i < texts.size(); ++i) out += (i ? "," : "") + Json(texts[i]);
    out += "],\"colour\":\"" +
           std::string(colour == QColor(0xc0, 0, 0) ? "sunday" : colour == QColor(0, 0x40, 0xc0) ? "saturday" : "plain") +
           "\",\"moon\":" + skycalc::DisplayListJson(cell->moon) + "}";
  }
  out += "],\"events\":[" + Label(box, "IDC_ALMANAC_EVENTS1") + "," + Label(box, "IDC_ALMANAC_EVENTS2") + "," +
         Label(box, "IDC_ALMANAC_EVENTS3") + "],\"note\":" + Label(box, "IDC_ALMANAC_NOTE") + "}";
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 7 && std::strcmp(argv[1], "almanac") == 0) {
    skycalc::AlmanacBoxMaker maker(std::atoi(argv[4]), std::atoi(argv[5]));
    const skycalc::AlmanacBox first = maker.Month(std::atoi(argv[2]), std::atoi(argv[3]));
    if (first.refusal) return 1;
    skycalc::CAlmanacDlg box(std::move(maker), first);
    for (int m = std::atoi(argv[6]); m > 0; --m) {
      std::printf("%s\n", AlmanacMonth(box).c_str());
      if (m > 1) box.findChild<QPushButton*>("IDC_ALMANAC_NEXT")->click();
    }
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "about") == 0) {
    skycalc::CAboutDlg box;
    std::printf("{\"caption\":%s,\"title\":%s,\"lines\":[%s,%s,%s,%s]}\n", Json(box.windowTitle()).c_str(),
                Label(box, "IDC_ABOUT_TITLE").c_str(), Label(box, "IDC_ABOUT_LINE1").c_str(),
                Label(box, "IDC_ABOUT_LINE2").c_str(), Label(box, "IDC_ABOUT_LINE3").c_str(),
                Label(box, "IDC_ABOUT_LINE4").c_str());
    return 0;
  }
  std::fprintf(stderr, "usage: skycalc-box-texts almanac YEAR MONTH ZONEHOUR ZONEMINUTE COUNT | about\n");
  return 2;
}
