#include "app/eclipse_dlg.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/dialog_units.h"
#include "astro/base/constants.h"
#include "panel/readout_format.h"
#include "ui_eclipse_dlg.h"

namespace skycalc {

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CEclipsePicture::CEclipsePicture(QWidget* parent) : QWidget(parent) {}

void CEclipsePicture::SetEclipse(const eclipse::Eclipse* eclipse) {
  m_shown = eclipse != nullptr && (eclipse->kind == eclipse::Kind::kLunar || !eclipse->contacts.empty());
  if (eclipse) m_eclipse = *eclipse;
  update();
}

void CEclipsePicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const bool lunar = m_eclipse.kind == eclipse::Kind::kLunar;
  p.fillRect(rect(), lunar ? QColor(10, 12, 30) : QColor(40, 70, 120));
  if (!m_shown) return;
  const eclipse::Eclipse::View& v = m_eclipse.view;
  // The scale: the Moon and the body it covers (lunar: the umbra) fit with a
  // margin; the penumbra's edge, beyond, shows where it falls inside.
  const double reach = std::hypot(v.moonX, v.moonY) + v.moon;
  const double extent = 1.15 * std::max(reach, lunar ? std::min(v.umbra, reach + v.moon) : v.sun);
  const double scale = 0.5 * std::min(width(), height()) / extent;
  const QPointF centre(width() / 2.0, height() / 2.0);
  // x along increasing azimuth is to the right for one facing the body; y up.
  const QPointF moon = centre + QPointF(v.moonX * scale, -v.moonY * scale);
  const auto disc = [&](QPointF at, double radius) {
    QPainterPath path;
    path.addEllipse(at, radius * scale, radius * scale);
    return path;
  };
  p.setPen(Qt::NoPen);
  if (lunar) {
    const QPainterPath moonDisc = disc(moon, v.moon);
    p.fillPath(moonDisc, QColor(250, 240, 200));
    p.setClipPath(moonDisc);
    p.fillPath(disc(centre, v.penumbra), QColor(60, 60, 70, 110));
    p.fillPath(disc(centre, v.umbra), QColor(120, 40, 25, 235));
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    // Both edges of the shadow, so that a Moon in the penumbra alone is seen inside one.
    p.setPen(QPen(QColor(150, 150, 165), 1.0, Qt::DotLine));
    p.drawPath(disc(centre, v.penumbra));
    p.setPen(QPen(QColor(200, 90, 70), 1.0, Qt::DotLine));
    p.drawPath(disc(centre, v.umbra));
  } else {
    p.fillPath(disc(centre, v.sun), QColor(255, 210, 80));
    p.fillPath(disc(moon, v.moon), QColor(25, 25, 30));
  }
}

CEclipseDlg::CEclipseDlg(const EclipseListResult& list, const std::string& title, const std::string& site,
                         int zoneMinutes, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::EclipseDlg>()), m_list(list), m_zoneMinutes(zoneMinutes) {
  m_ui->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  ApplyDialogUnits(this, QSize(320, 192));
  for (QLabel* label : findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
  m_ui->IDC_ECLIPSE_TITLE->setText(Utf8(title));
  m_ui->IDC_ECLIPSE_SITE->setText(Utf8(site));
  m_picture = new CEclipsePicture(m_ui->IDC_ECLIPSE_PICTURE);
  auto* layout = new QVBoxLayout(m_ui->IDC_ECLIPSE_PICTURE);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_picture);
  for (const eclipse::Eclipse& e : m_list.eclipses) m_ui->IDC_ECLIPSE_LIST->addItem(Utf8(EclipseSummary(e, zoneMinutes)));
  connect(m_ui->IDC_ECLIPSE_LIST, &QListWidget::currentRowChanged, this, &CEclipseDlg::ShowEclipse);
  // Open on the first eclipse seen from the site; with none, say so.
  const int first = FirstSeenEclipse(m_list.eclipses);
  if (first >= 0) {
    m_ui->IDC_ECLIPSE_LIST->setCurrentRow(first);
  } else {
    ShowEclipse(-1);
    m_ui->IDC_ECLIPSE_DETAIL->setText(Utf8(kNoEclipseSeenText));
  }
}

CEclipseDlg::~CEclipseDlg() = default;

void CEclipseDlg::ShowEclipse(int row) {
  const bool valid = row >= 0 && row < static_cast<int>(m_list.eclipses.size());
  m_ui->IDC_ECLIPSE_DETAIL->setText(valid ? Utf8(EclipseDetails(m_list.eclipses[row], m_zoneMinutes)) : QString());
  m_picture->SetEclipse(valid ? &m_list.eclipses[row] : nullptr);
}

}  // namespace skycalc
