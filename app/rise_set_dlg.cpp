#include "app/rise_set_dlg.h"

#include <QLabel>
#include <vector>

#include "app/dialog_units.h"
#include "panel/azimuth_words.h"
#include "ui_rise_set_dlg.h"

namespace skycalc {

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// The first event's azimuth or altitude; empty for none.
std::string Detail(const std::vector<events::Event>& list, bool altitude) {
  if (list.empty()) return std::string();
  return altitude ? FormatEventAltitude(list.front()) : FormatEventAzimuth(list.front());
}

}  // namespace

CRiseSetDlg::CRiseSetDlg(const Observation& observation, const sky::LocalDayEvents& day,
                         const events::RiseSetConvention& convention, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::RiseSetDlg>()) {
  const bool sun = observation.target.IsBody(Body::kSun);
  const std::string title = EventsTitle(observation);
  const std::string site = EventsSiteLine(observation);
  m_ui->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  // Without the twilights the convention line and この時刻 move up into their place
  // (the form is in dialog units until ApplyDialogUnits).
  constexpr int kTwilightRows = 40;
  if (!sun) {
    for (QLabel* label : findChildren<QLabel*>()) {
      const QString name = label->objectName();
      if (name.startsWith(QStringLiteral("IDC_MOMENT")) || name == QStringLiteral("IDC_EVENTS_CONVENTION"))
        label->setGeometry(label->geometry().translated(0, -kTwilightRows));
    }
  }
  ApplyDialogUnits(this, sun ? QSize(240, 230) : QSize(240, 230 - kTwilightRows));
  for (QLabel* label : findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);

  const events::DayEvents& e = day.events;
  m_ui->IDC_EVENTS_BODY->setText(Utf8(title));
  m_ui->IDC_EVENTS_SITE->setText(Utf8(site));
  const struct {
    QLabel* time;
    QLabel* detail;
    const std::vector<events::Event>& list;
    bool altitude;
  } rows[] = {{m_ui->IDC_EVENTS_RISE_TIME, m_ui->IDC_EVENTS_RISE_DETAIL, e.rises, false},
              {m_ui->IDC_EVENTS_TRANSIT_TIME, m_ui->IDC_EVENTS_TRANSIT_DETAIL, e.transits, true},
              {m_ui->IDC_EVENTS_SET_TIME, m_ui->IDC_EVENTS_SET_DETAIL, e.sets, false}};
  for (const auto& row : rows) {
    row.time->setText(Utf8(FormatEventTimes(row.list, day.dayStartJd)));
    row.detail->setText(Utf8(Detail(row.list, row.altitude)));
  }
  m_ui->IDC_EVENTS_ORIGIN->setText(Utf8(AzimuthOriginWords(observation.fields.azimuth)));
  m_ui->IDC_EVENTS_NOTE->setText(Utf8(EventsNote(observation, e)));

  const struct {
    QLabel* caption;
    QLabel* dawn;
    QLabel* dusk;
  } twilights[events::kTwilightCount] = {
      {m_ui->IDC_EVENTS_CIVIL_CAPTION, m_ui->IDC_EVENTS_CIVIL_DAWN, m_ui->IDC_EVENTS_CIVIL_DUSK},
      {m_ui->IDC_EVENTS_NAUTICAL_CAPTION, m_ui->IDC_EVENTS_NAUTICAL_DAWN, m_ui->IDC_EVENTS_NAUTICAL_DUSK},
      {m_ui->IDC_EVENTS_ASTRONOMICAL_CAPTION, m_ui->IDC_EVENTS_ASTRONOMICAL_DAWN,
       m_ui->IDC_EVENTS_ASTRONOMICAL_DUSK}};
  for (int t = 0; t < events::kTwilightCount; ++t) {
    for (QLabel* label : {twilights[t].caption, twilights[t].dawn, twilights[t].dusk}) label->setVisible(sun);
    twilights[t].dawn->setText(Utf8(std::string(kDawnCaption) + " " + FormatEventTimes(e.twilights[t].dawns, day.dayStartJd)));
    twilights[t].dusk->setText(Utf8(std::string(kDuskCaption) + " " + FormatEventTimes(e.twilights[t].dusks, day.dayStartJd)));
  }

  m_ui->IDC_EVENTS_CONVENTION->setText(Utf8(ConventionLine(convention)));
  m_ui->IDC_MOMENT_CAPTION->setText(Utf8(MomentCaption(observation)));
  const BodyDetailsReadout moment = ReadBodyDetails(observation);
  // The labels of the figures, in their order.
  const std::pair<QLabel*, QLabel*> labels[kDetailsFigureCount] = {
      {m_ui->IDC_MOMENT_MAGNITUDE_CAPTION, m_ui->IDC_MOMENT_MAGNITUDE},
      {m_ui->IDC_MOMENT_FRACTION_CAPTION, m_ui->IDC_MOMENT_FRACTION},
      {m_ui->IDC_MOMENT_PHASE_CAPTION, m_ui->IDC_MOMENT_PHASE},
      {m_ui->IDC_MOMENT_ELONGATION_CAPTION, m_ui->IDC_MOMENT_ELONGATION},
      {m_ui->IDC_MOMENT_DIAMETER_CAPTION, m_ui->IDC_MOMENT_DIAMETER},
      {m_ui->IDC_MOMENT_DISTANCE_CAPTION, m_ui->IDC_MOMENT_DISTANCE},
      {m_ui->IDC_MOMENT_CONSTELLATION_CAPTION, m_ui->IDC_MOMENT_CONSTELLATION}};
  for (int i = 0; i < kDetailsFigureCount; ++i) {
    labels[i].first->setText(QString::fromUtf8(DetailsCaption(i)));
    labels[i].second->setText(Utf8(FormatFigure(i, moment)));
  }
}

CRiseSetDlg::~CRiseSetDlg() = default;

}  // namespace skycalc
