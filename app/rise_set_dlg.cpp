#include "app/rise_set_dlg.h"

#include <QLabel>

#include "app/dialog_units.h"
#include "ui_rise_set_dlg.h"

namespace skycalc {

CRiseSetDlg::CRiseSetDlg(const RiseSetBox& box, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::RiseSetDlg>()) {
  m_ui->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  // The form is in dialog units until ApplyDialogUnits.
  const QSize formSize = geometry().size();
  for (const RiseSetLabel& item : box.labels) {
    QLabel* label = findChild<QLabel*>(QString::fromLatin1(item.name));
    if (!label) continue;
    if (item.raised) label->setGeometry(label->geometry().translated(0, -box.raise));
    label->setVisible(item.shown);
    label->setTextFormat(Qt::PlainText);
    label->setText(QString::fromStdString(item.text));
  }
  ApplyDialogUnits(this, QSize(formSize.width(), formSize.height() - box.raise));
}

CRiseSetDlg::~CRiseSetDlg() = default;

}  // namespace skycalc
