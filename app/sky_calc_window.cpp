#include "app/sky_calc_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QTimer>

#include "app/about_dlg.h"
#include "app/nfkc_match_model.h"
#include "app/place_dlg.h"
#include "panel/places_view.h"
#include "app/almanac_dlg.h"
#include "panel/help_text.h"
#include "app/phenomena_dlg.h"
#include "app/eclipse_dlg.h"
#include "app/rise_set_dlg.h"
#include "app/sky_chart_dlg.h"
#include "catalog/catalog_folders.h"
#include "catalog/chart_data.h"
#include "app/app_icon.h"
#include "app/dialog_units.h"
#include "app/display_list_painter.h"
#include "panel/box_menu.h"
#include "panel/control_ids.h"
#include "panel/day_events.h"
#include "panel/model_messages.h"
#include "panel/readout_format.h"
#include "panel/azimuth_words.h"
#include "panel/settings_keys.h"
#include "ui_sky_calc_dlg.h"

namespace skycalc {
namespace {

// Every control the logic reaches, by ID and by its name in the form.
struct ControlName {
  int id;
  const char* name;
};
constexpr ControlName kControls[] = {
    {IDC_DIGIT1, "IDC_DIGIT1"},
    {IDC_DIGIT2, "IDC_DIGIT2"},
    {IDC_DIGIT3, "IDC_DIGIT3"},
    {IDC_DIGIT4, "IDC_DIGIT4"},
    {IDC_DIGIT5, "IDC_DIGIT5"},
    {IDC_DIGIT6, "IDC_DIGIT6"},
    {IDC_DIGIT7, "IDC_DIGIT7"},
    {IDC_DIGIT8, "IDC_DIGIT8"},
    {IDC_DIGIT9, "IDC_DIGIT9"},
    {IDC_DIGIT0, "IDC_DIGIT0"},
    {IDC_SIGN, "IDC_SIGN"},
    {IDC_POINT, "IDC_POINT"},
    {IDC_FIELD_LONGITUDE, "IDC_FIELD_LONGITUDE"},
    {IDC_FIELD_LATITUDE, "IDC_FIELD_LATITUDE"},
    {IDC_FIELD_AZIMUTH, "IDC_FIELD_AZIMUTH"},
    {IDC_FIELD_HOUR, "IDC_FIELD_HOUR"},
    {IDC_FIELD_MINUTE, "IDC_FIELD_MINUTE"},
    {IDC_FIELD_BLANK1, "IDC_FIELD_BLANK1"},
    {IDC_FIELD_YEAR, "IDC_FIELD_YEAR"},
    {IDC_FIELD_MONTH, "IDC_FIELD_MONTH"},
    {IDC_FIELD_DAY, "IDC_FIELD_DAY"},
    {IDC_FIELD_ZONEHOUR, "IDC_FIELD_ZONEHOUR"},
    {IDC_FIELD_ZONEMINUTE, "IDC_FIELD_ZONEMINUTE"},
    {IDC_SET, "IDC_SET"},
    {IDC_CLEAR, "IDC_CLEAR"},
    {IDC_ENTRY, "IDC_ENTRY"},
    {IDC_EQUATORIAL, "IDC_EQUATORIAL"},
    {IDC_HORIZONTAL, "IDC_HORIZONTAL"},
    {IDC_JULIANDAY, "IDC_JULIANDAY"},
    {IDC_SIDEREAL, "IDC_SIDEREAL"},
    {IDC_YEAR, "IDC_YEAR"},
    {IDC_MONTH, "IDC_MONTH"},
    {IDC_DAY, "IDC_DAY"},
    {IDC_HOUR, "IDC_HOUR"},
    {IDC_MINUTE, "IDC_MINUTE"},
    {IDC_LONGITUDE, "IDC_LONGITUDE"},
    {IDC_LATITUDE, "IDC_LATITUDE"},
    {IDC_AZIMUTH, "IDC_AZIMUTH"},
    {IDC_ZONEHOUR, "IDC_ZONEHOUR"},
    {IDC_ZONEMINUTE, "IDC_ZONEMINUTE"},
    {IDC_TIME, "IDC_TIME"},
    {IDC_RAAZM, "IDC_RAAZM"},
    {IDC_DECALT, "IDC_DECALT"},
    {IDC_PLANETLIST, "IDC_PLANETLIST"},
    {IDC_STARLIST, "IDC_STARLIST"},
    {IDC_CONSTLIST, "IDC_CONSTLIST"},
    {IDC_PLANET, "IDC_PLANET"},
    {IDC_STAR, "IDC_STAR"},
    {IDC_CONSTELLATION, "IDC_CONSTELLATION"},
    {IDC_ALLCLEAR, "IDC_ALLCLEAR"},
    {IDC_FIELD_BLANK2, "IDC_FIELD_BLANK2"},
};

// Keyboard characters that press a keypad key.
struct KeyButton {
  char key;
  int id;
};
constexpr KeyButton kKeyButtons[] = {
    {'0', IDC_DIGIT0},     {'1', IDC_DIGIT1},     {'2', IDC_DIGIT2}, {'3', IDC_DIGIT3},
    {'4', IDC_DIGIT4}, {'5', IDC_DIGIT5}, {'6', IDC_DIGIT6}, {'7', IDC_DIGIT7},
    {'8', IDC_DIGIT8}, {'9', IDC_DIGIT9},     {'.', IDC_POINT},      {'-', IDC_SIGN},
};

// The window's size in dialog units.
constexpr QSize kTemplateSize(294, 159);

// A white button face; the darker top and left edges keep it looking pressed.
const char kWhiteButtonStyle[] =
    "QPushButton { background-color: white; border: 1px solid #a0a0a0; border-radius: 2px; }"
    "QPushButton:checked { border-top: 2px solid #606060; border-left: 2px solid #606060; }";
// Night mode: red on black for the whole program (the window, its boxes, their
// menus); a white control of the logic is lit in dark red.
const char kNightStyle[] =
    "* { color: #e00000; background-color: #000000; border-color: #700000; selection-color: #000000;"
    " selection-background-color: #b00000; }"
    "QPushButton { border: 1px solid #700000; border-radius: 2px; padding: 2px; }"
    "QPushButton:checked, QPushButton:pressed { background-color: #300000; }"
    "QPushButton:disabled { color: #600000; }"
    "QComboBox, QLineEdit, QListView, QTableView, QTableWidget, QHeaderView::section, QGroupBox { border: 1px solid #700000; }"
    "QMenu::item:selected { background-color: #b00000; color: #000000; }";
const char kNightWhiteStyle[] = "background-color: #400000;";


}  // namespace

CSkyCalcWindow::CSkyCalcWindow(ISettingsStore& store, IClock& clock, const std::vector<std::string>& catalogFolders,
                               QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SkyCalcDlg>()), m_store(store), m_dlg(*this, store, clock) {
  m_ui->setupUi(this);
  m_caption = windowTitle();
  // A main window: minimise box and close box, no maximise box, fixed size.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setWindowIcon(ApplicationIcon());
  ApplyDialogUnits(this, kTemplateSize);
  BindControls();

  m_catalogFolders = catalogFolders;
  m_dlg.SetCatalogFolders(catalogFolders);
  m_dlg.Open();
  for (QComboBox* list : findChildren<QComboBox*>()) FitListPopup(list);
  RefreshCaption();
  if (m_dlg.IsNightMode()) ApplyNightMode(true);
  RefreshColours();
  m_ui->IDC_SET->setFocus(Qt::OtherFocusReason);
}

CSkyCalcWindow::~CSkyCalcWindow() = default;

void CSkyCalcWindow::BindControls() {
  for (const ControlName& control : kControls) {
    QWidget* widget = findChild<QWidget*>(QString::fromLatin1(control.name));
    Q_ASSERT_X(widget, "CSkyCalcWindow", control.name);
    m_controls[control.id] = widget;
    const int id = control.id;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      // Readouts and displays show stored or computed text as it stands, never as markup.
      label->setTextFormat(Qt::PlainText);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      connect(button, &QAbstractButton::clicked, this, [this, id] { OnControl(id); });
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
      // Only a pick from the list counts: no completion, and leaving the text
      // field with a typed name must not select that name.
      list->setCompleter(nullptr);
      list->setModel(new NfkcMatchModel(list));  // typing in the open list finds ベガ as ﾍﾞｶﾞ
      disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
      connect(list, &QComboBox::activated, this, [this, id](int index) { OnListPicked(id, index); });
    }
  }
}

void CSkyCalcWindow::OnControl(int id) {
  m_dlg.OnCommand(id);
  RefreshCaption();  // a keyed site is no longer the chosen place
  RefreshColours();
  if (m_chart) m_chart->Refresh();
}

void CSkyCalcWindow::OnListPicked(int id, int index) {
  m_listSelections[id] = index;
  ShowListTextStart(id);
  OnControl(id);
}

void CSkyCalcWindow::ShowListTextStart(int id) {
  if (QComboBox* list = List(id)) list->lineEdit()->setCursorPosition(0);
}

void CSkyCalcWindow::RefreshColours() {
  for (const auto& [id, widget] : m_controls) {
    const bool white = m_dlg.OnCtlColor(id);
    bool& applied = m_white[id];
    if (applied == white) continue;
    applied = white;
    if (qobject_cast<QAbstractButton*>(widget) || m_dlg.IsNightMode()) {
      widget->setStyleSheet(!white ? QString() : QString::fromLatin1(m_dlg.IsNightMode() ? kNightWhiteStyle : kWhiteButtonStyle));
      continue;
    }
    QPalette palette;
    if (white) {
      palette = widget->palette();
      palette.setColor(QPalette::Window, Qt::white);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(white);
  }
}

QWidget* CSkyCalcWindow::Control(int id) const {
  const auto found = m_controls.find(id);
  return found == m_controls.end() ? nullptr : found->second;
}

QAbstractButton* CSkyCalcWindow::Button(int id) const { return qobject_cast<QAbstractButton*>(Control(id)); }

QComboBox* CSkyCalcWindow::List(int id) const { return qobject_cast<QComboBox*>(Control(id)); }

void CSkyCalcWindow::SetText(int id, const std::string& text) {
  if (auto* label = qobject_cast<QLabel*>(Control(id))) label->setText(QString::fromStdString(text));
}

void CSkyCalcWindow::SetCheck(int id, bool checked) {
  QAbstractButton* button = Button(id);
  if (!button) return;
  QButtonGroup* group = button->group();
  // An exclusive group refuses to clear its checked button; lift that for the moment.
  if (!checked && group && group->exclusive() && button->isChecked()) {
    group->setExclusive(false);
    button->setChecked(false);
    group->setExclusive(true);
    return;
  }
  button->setChecked(checked);
}

void CSkyCalcWindow::SetListText(int id, const std::string& text) {
  if (QComboBox* list = List(id)) list->setEditText(QString::fromStdString(text));
  ShowListTextStart(id);
}

int CSkyCalcWindow::GetListSelection(int id) const {
  const auto found = m_listSelections.find(id);
  return found == m_listSelections.end() ? -1 : found->second;
}

bool CSkyCalcWindow::AddListEntry(int id, const std::string& text) {
  QComboBox* list = List(id);
  if (!list) return false;
  const int before = list->count();
  // Adding to an empty list makes Qt select the entry and show it; keep the text the logic set.
  const QString shown = list->currentText();
  list->addItem(QString::fromStdString(text));
  list->setEditText(shown);
  ShowListTextStart(id);
  return list->count() > before;
}

void CSkyCalcWindow::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), QString::fromStdString(text),
                  QMessageBox::Ok, this);
  box.exec();
}

void CSkyCalcWindow::ShowAbout() {
  CAboutDlg about(this);
  about.exec();
}

void CSkyCalcWindow::ShowHelp() {
  const QString text = QString::fromStdString(HelpText(FrontEnd::kWindow));
  QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(), text, QMessageBox::Ok, this);
  box.exec();
}

void CSkyCalcWindow::CopyReadouts() {
  QStringList texts;
  for (int id : {IDC_TIME, IDC_RAAZM, IDC_DECALT}) texts << qobject_cast<QLabel*>(Control(id))->text();
  QGuiApplication::clipboard()->setText(texts.join(QLatin1Char('\t')));
}

void CSkyCalcWindow::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    CopyReadouts();
    return;
  }
  if (event->matches(QKeySequence::HelpContents)) {
    ShowHelp();
    return;
  }
  if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    for (const KeyButton& key : kKeyButtons) {
      if (event->text() == QLatin1Char(key.key)) {
        PressVisibly(Button(key.id));
        return;
      }
    }
  }
  // Enter reaches the window only when no push button has the focus (a push
  // button presses itself); like Esc it ends the calculator without saving.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// Clicks at once, so that fast typing keeps every key in order (an animated
// click would merge two quick presses of one key), then shows the key held
// down for as long as an animated click would.
void CSkyCalcWindow::PressVisibly(QAbstractButton* button) {
  button->click();
  button->setDown(true);
  QTimer::singleShot(100, button, [button] { button->setDown(false); });
}

void CSkyCalcWindow::closeEvent(QCloseEvent* event) {
  m_dlg.Close();
  // The window ends as usual; the user is told that the site was not kept, and where.
  if (!m_store.WritesSucceeded()) ShowMessage(std::string(kSettingsNotSavedMessage) + "\n" + m_store.Location());
  QDialog::closeEvent(event);
}

QMenu* CSkyCalcWindow::CreateContextMenu() {
  auto* menu = new QMenu(this);
  for (const MenuEntry& entry : kMenuEntries) {
    const QString caption = QString::fromStdString(MenuCaption(entry));
    switch (entry.action) {
      case MenuAction::kSeparator: menu->addSeparator(); break;
      case MenuAction::kRiseSet: menu->addAction(caption, this, &CSkyCalcWindow::ShowRiseSet); break;
      case MenuAction::kAlmanac: menu->addAction(caption, this, &CSkyCalcWindow::ShowAlmanac); break;
      case MenuAction::kPhenomena: menu->addAction(caption, this, &CSkyCalcWindow::ShowPhenomena); break;
      case MenuAction::kEclipses: menu->addAction(caption, this, &CSkyCalcWindow::ShowEclipses); break;
      case MenuAction::kChart: menu->addAction(caption, this, &CSkyCalcWindow::ShowChart); break;
      case MenuAction::kPlaces: menu->addAction(caption, this, &CSkyCalcWindow::ShowPlaces); break;
      case MenuAction::kAbout: menu->addAction(caption, this, &CSkyCalcWindow::ShowAbout); break;
      case MenuAction::kPrecise: {
        QAction* precise = menu->addAction(caption);
        precise->setCheckable(true);
        precise->setChecked(m_dlg.IsPreciseModel());
        connect(precise, &QAction::toggled, this, &CSkyCalcWindow::SetPreciseModel);
        break;
      }
      case MenuAction::kNight: {
        QAction* night = menu->addAction(caption);
        night->setCheckable(true);
        night->setChecked(m_dlg.IsNightMode());
        connect(night, &QAction::toggled, this, &CSkyCalcWindow::SetNightMode);
        break;
      }
    }
  }
  return menu;
}

void CSkyCalcWindow::contextMenuEvent(QContextMenuEvent* event) {
  std::unique_ptr<QMenu> menu(CreateContextMenu());
  menu->exec(event->globalPos());
}

void CSkyCalcWindow::RefreshCaption() { ShowCaption(m_dlg.IsPreciseModel()); }

void CSkyCalcWindow::ShowPlaces() {
  if (m_dlg.Places().empty()) {
    ShowMessage(kPlacesMissingMessage);
    return;
  }
  CPlaceDlg box(m_dlg.Places(), m_placeWithZone, this);
  if (box.exec() != QDialog::Accepted || box.ChosenPlace() < 0) return;
  m_placeWithZone = box.WithZone();
  m_dlg.ApplyPlace(m_dlg.Places()[static_cast<std::size_t>(box.ChosenPlace())], m_placeWithZone);
  RefreshCaption();
  RefreshColours();
  if (m_chart) m_chart->Refresh();
}

void CSkyCalcWindow::SetPreciseModel(bool precise) {
  ShowCaption(precise);
  m_dlg.SetPreciseModel(precise);
  RefreshColours();
  if (m_chart) m_chart->Refresh();
}

void CSkyCalcWindow::ShowCaption(bool precise) {
  const std::string caption = m_caption.toStdString() + (precise ? std::string(kPreciseModelCaption) : std::string());
  setWindowTitle(QString::fromStdString(CaptionWithPlace(caption, m_dlg.PlaceName())));
}

void CSkyCalcWindow::SetNightMode(bool night) {
  if (night == m_dlg.IsNightMode()) return;
  m_dlg.SetNightMode(night);
  ApplyNightMode(night);
}

void CSkyCalcWindow::ApplyNightMode(bool night) {
  // The program's style sheet reaches the boxes opened later too; the drawings map their colours.
  qApp->setStyleSheet(night ? QString::fromLatin1(kNightStyle) : QString());
  // The palette too, for what the style draws from it (indicators, focus frames, the boxes' own painting).
  if (night) {
    if (!m_dayPalette) m_dayPalette = std::make_unique<QPalette>(QApplication::palette());
    QPalette palette;
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto r = static_cast<QPalette::ColorRole>(role);
      const bool face = r == QPalette::Window || r == QPalette::Base || r == QPalette::Button || r == QPalette::AlternateBase ||
                        r == QPalette::ToolTipBase || r == QPalette::Shadow || r == QPalette::Dark || r == QPalette::Mid;
      palette.setColor(QPalette::All, r, face ? QColor(0, 0, 0) : QColor(0xe0, 0, 0));
    }
    palette.setColor(QPalette::All, QPalette::Highlight, QColor(0xb0, 0, 0));
    palette.setColor(QPalette::All, QPalette::HighlightedText, QColor(0, 0, 0));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x60, 0, 0));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x60, 0, 0));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x60, 0, 0));
    QApplication::setPalette(palette);
  } else if (m_dayPalette) {
    QApplication::setPalette(*m_dayPalette);
  }
  SetNightDrawing(night);
  m_white.clear();
  for (const auto& [id, widget] : m_controls) {
    widget->setStyleSheet(QString());
    widget->setPalette(QPalette());
    widget->setAutoFillBackground(false);
  }
  for (const auto& [id, widget] : m_controls) m_white[id] = false;
  RefreshColours();
  if (m_chart) m_chart->Refresh();
  for (QWidget* widget : QApplication::topLevelWidgets()) widget->update();
}

void CSkyCalcWindow::ShowRiseSet() {
  const RiseSetBox model = StoredDayRiseSetBox(m_dlg.CurrentObservation());
  if (model.refusal) {
    ShowMessage(model.refusal);
    return;
  }
  CRiseSetDlg box(model, this);
  box.exec();
}

void CSkyCalcWindow::ShowAlmanac() {
  const StoredFields f = m_dlg.Fields();
  AlmanacBoxMaker maker(f.zoneHour, f.zoneMinute);
  const AlmanacBox first = maker.Month(f.year, f.month);
  if (first.refusal) {
    ShowMessage(first.refusal);
    return;
  }
  CAlmanacDlg box(std::move(maker), first, this);
  box.exec();
}

void CSkyCalcWindow::ShowPhenomena() {
  const StoredFields f = m_dlg.Fields();
  const PhenomenaListResult list = ListPhenomena({f.year, 1, ZoneMinutesOf(f), kPhenomenaAll});
  if (list.refusal) {
    ShowMessage(list.refusal);
    return;
  }
  CPhenomenaDlg box(list, f.year, ZoneMinutesOf(f), static_cast<int>(f.zoneHour), f.zoneMinute, this);
  box.exec();
}

void CSkyCalcWindow::ShowEclipses() {
  EclipseBox model = StoredYearEclipseBox(m_dlg.CurrentObservation());
  if (model.refusal) {
    ShowMessage(model.refusal);
    return;
  }
  CEclipseDlg box(std::move(model), this);
  box.exec();
}

CSkyChartDlg* CSkyCalcWindow::Chart() const { return m_chart; }

void CSkyCalcWindow::ShowChart() {
  if (!m_chart) {
    ChartData data = LoadChartData(CatalogFolderFor(kChartStarsFile, m_catalogFolders),
                                   CatalogFolderFor(kChartLinesFile, m_catalogFolders));
    // A pick on the chart goes where a pick from the list goes.
    auto choose = [this](int listId, int index) {
      if (QComboBox* list = List(listId)) list->setCurrentIndex(index);
      OnListPicked(listId, index);
    };
    m_chart = new CSkyChartDlg(m_dlg, std::move(data), choose, this);
    m_chart->setAttribute(Qt::WA_DeleteOnClose);
  }
  m_chart->show();
  m_chart->raise();
  m_chart->activateWindow();
}

}  // namespace skycalc
