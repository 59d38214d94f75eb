#include "app/eclipse_dlg.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>
#include <utility>

#include "app/dialog_units.h"
#include "app/display_list_painter.h"
#include "ui_eclipse_dlg.h"

namespace skycalc {

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CEclipsePicture::CEclipsePicture(QWidget* parent) : QWidget(parent) {}

void CEclipsePicture::SetPicture(const DisplayList& picture) {
  m_picture = picture;
  update();
}

void CEclipsePicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const Rgba& sky = m_picture.background;
  p.fillRect(rect(), QColor(sky.r, sky.g, sky.b, sky.a));
  PaintDisplayList(p, m_picture, QRectF(rect()));
}

CEclipseDlg::CEclipseDlg(EclipseBox box, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::EclipseDlg>()), m_box(std::move(box)) {
  m_ui->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  ApplyDialogUnits(this, QSize(320, 192));
  for (QLabel* label : findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
  m_ui->IDC_ECLIPSE_TITLE->setText(Utf8(m_box.title));
  m_ui->IDC_ECLIPSE_SITE->setText(Utf8(m_box.site));
  m_picture = new CEclipsePicture(m_ui->IDC_ECLIPSE_PICTURE);
  auto* layout = new QVBoxLayout(m_ui->IDC_ECLIPSE_PICTURE);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_picture);
  for (const EclipseRow& row : m_box.rows) m_ui->IDC_ECLIPSE_LIST->addItem(Utf8(row.summary));
  connect(m_ui->IDC_ECLIPSE_LIST, &QListWidget::currentRowChanged, this, &CEclipseDlg::ShowEclipse);
  if (m_box.first >= 0) {
    m_ui->IDC_ECLIPSE_LIST->setCurrentRow(m_box.first);
  } else {
    ShowEclipse(-1);
  }
}

CEclipseDlg::~CEclipseDlg() = default;

void CEclipseDlg::ShowEclipse(int row) {
  const EclipseRow& shown = EclipseBoxRow(m_box, row);
  m_ui->IDC_ECLIPSE_DETAIL->setText(Utf8(shown.details));
  m_picture->SetPicture(shown.picture);
}

}  // namespace skycalc
