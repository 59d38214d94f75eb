#pragma once

#include <QDialog>
#include <QPointer>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "panel/clock.h"
#include "panel/control_host.h"
#include "panel/settings_store.h"
#include "panel/sky_calc_dlg.h"

class QAbstractButton;
class QComboBox;
class QMenu;
class QPalette;
namespace Ui {
class SkyCalcDlg;
}

namespace skycalc {

class CSkyChartDlg;

// The calculator window (form sky_calc_dlg.ui). It owns the calculator's logic,
// lends it its controls by ID, and turns clicks, list picks and keys into the
// logic's handlers. Ending it with Esc or Enter writes nothing; the close box
// and Alt+F4 save the site and zone settings first.
class CSkyCalcWindow : public QDialog, public IControlHost {
  Q_OBJECT

 public:
  // Builds the window and runs the logic's start-up: each catalogue read from
  // the first of catalogFolders that holds it ("" is the current folder),
  // messages for unreadable ones, reset, lists filled.
  CSkyCalcWindow(ISettingsStore& store, IClock& clock,
                 const std::vector<std::string>& catalogFolders = {std::string()}, QWidget* parent = nullptr);
  ~CSkyCalcWindow() override;

  // IControlHost
  void SetText(int id, const std::string& text) override;
  void SetCheck(int id, bool checked) override;
  void SetListText(int id, const std::string& text) override;
  int GetListSelection(int id) const override;
  bool AddListEntry(int id, const std::string& text) override;
  void ShowMessage(const std::string& text) override;

  // The control with this ID, or nullptr.
  QWidget* Control(int id) const;
  // The logic behind the window.
  CSkyCalcDlg& Logic() { return m_dlg; }

  // The version box (modal).
  void ShowAbout();
  // The 出没時刻 box (modal) for the body of the checked kind on the stored date.
  void ShowRiseSet();
  // The 暦 box (modal) for the stored year and month in the stored zone; the
  // message of the almanac's years instead outside 1000-2999.
  void ShowAlmanac();
  // The 天象 box of the stored year in the stored zone; the message of the
  // years instead outside 1000-2999.
  void ShowPhenomena();
  // The 日食・月食 box (modal): the eclipses of the stored year at the stored site.
  void ShowEclipses();
  // The 星図 box (modeless, one at a time): the sky at the stored site and
  // instant; it follows the calculator while open.
  void ShowChart();
  CSkyChartDlg* Chart() const;
  // The 地点 box (modal): the chosen place's site, and its zone when asked,
  // stored as keying them with SET would; the caption then names the place.
  void ShowPlaces();
  // Chooses the model of the readouts (the menu's 高精度計算 item); the caption
  // says when it is the precise one.
  void SetPreciseModel(bool precise);
  // Night mode (the menu's 夜間表示 item): every colour of the window, its
  // boxes and their drawings red on black, for use at the telescope.
  void SetNightMode(bool night);
  bool IsNightMode() const { return m_dlg.IsNightMode(); }
  // The right-click menu (the caller runs it).
  QMenu* CreateContextMenu();
  // A short how-to in a message box (F1).
  void ShowHelp();
  // Puts the time readout and the two coordinate readouts, tab-separated, on the clipboard.
  void CopyReadouts();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void BindControls();
  // Runs the logic's handler for control id, then repaints what depends on the state.
  void OnControl(int id);
  // The user picked entry index of list id.
  void OnListPicked(int id, int index);
  // Scrolls a list's text field to the start of its text (long star names).
  void ShowListTextStart(int id);
  // The form's caption, with the precise model's mark when precise and the chosen place's name.
  void ShowCaption(bool precise);
  // Applies the logic's white backgrounds (readouts, entry, 年 while it is the target).
  void RefreshColours();
  // ShowCaption for the model in use.
  void RefreshCaption();
  // A keyboard key pressed the keypad button: click it and show it pressed.
  void PressVisibly(QAbstractButton* button);
  // Draws the program red on black (night) or in its own colours.
  void ApplyNightMode(bool night);
  QAbstractButton* Button(int id) const;
  QComboBox* List(int id) const;

  std::unique_ptr<Ui::SkyCalcDlg> m_ui;
  ISettingsStore& m_store;
  std::unique_ptr<QPalette> m_dayPalette;  // the program's palette before night mode, to return to
  CSkyCalcDlg m_dlg;
  QString m_caption;  // the form's caption, for the calculator's model
  std::map<int, QWidget*> m_controls;
  std::map<int, int> m_listSelections;  // user picks only; absent = no selection
  std::map<int, bool> m_white;          // background last applied per control
  std::vector<std::string> m_catalogFolders;
  QPointer<CSkyChartDlg> m_chart;  // the open 星図 box, if any
  bool m_placeWithZone = true;     // the 地点 box's zone check, kept while the window is open
};

}  // namespace skycalc
