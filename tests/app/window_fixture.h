#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "store/qt_settings_store.h"
#include "app/sky_calc_window.h"
#include "tests/support/fixed_clock.h"

// Readable failure output for Qt strings.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* os) {
  *os << '"' << texts.join(QStringLiteral("\", \"")).toStdString() << '"';
}

class QDialog;

// Picks the item text (as the right-click menu spells it) of window's menu; a
// test failure when there is none.
void TriggerMenuItem(skycalc::CSkyCalcWindow& window, const char* text);
// Picks the item text, runs inspect on the modal box it opens and closes the
// box with Esc (with its OK button when closeWithOk); a test failure when no
// box opened.
void InspectMenuBox(skycalc::CSkyCalcWindow& window, const char* text, const std::function<void(QDialog&)>& inspect,
                    bool closeWithOk = false);

// The calculator window on the offscreen platform, with its settings in a
// temporary folder and the clock at 2001-01-01 00:00 (with the default site
// and zone the Julian Day readout then shows 2451910.125000).
class WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Builds and shows a window reading the catalogues from directory; returns
  // the texts of the message boxes shown meanwhile (each closed with OK).
  QStringList Open(const std::string& directory = SKYCALC_DATA_DIR);
  // The same with the catalogues looked for in folders, in order.
  QStringList Open(const std::vector<std::string>& folders);

  // Runs action, closing every message box that appears; their texts in order.
  QStringList CloseMessages(const std::function<void()>& action);

  void Click(int id);                 // mouse click on a button
  void Keys(const char* digits);      // keypad clicks: digits, '.', '-'
  void Pick(int listId, int index);   // the user picks an entry from a list's pop-up
  QString Text(int id) const;         // a static text's string
  bool Checked(int id) const;
  QWidget* Control(int id) const { return window->Control(id); }
  // The settings file's value, or "<absent>".
  QString Stored(const char* name) const;

  QTemporaryDir config;
  skycalc::FixedClock clock{skycalc::ClockReading{2001, 1, 1, 0, 0}};
  std::unique_ptr<skycalc::QtSettingsStore> store;
  std::unique_ptr<skycalc::CSkyCalcWindow> window;
  QStringList lastTitles;  // titles of the boxes CloseMessages closed
};
