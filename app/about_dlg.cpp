#include "app/about_dlg.h"

#include "app/app_icon.h"
#include "app/dialog_units.h"
#include "panel/about_box.h"
#include "ui_about_dlg.h"

namespace skycalc {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::AboutDlg>()) {
  m_ui->setupUi(this);
  // A modal frame with a system menu: close box only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  ApplyDialogUnits(this, size());  // the form's size, in dialog units until converted
  const AboutBox box = MakeAboutBox();
  setWindowTitle(QString::fromStdString(box.caption));
  m_ui->IDC_ABOUT_TITLE->setText(QString::fromStdString(box.title));
  QLabel* const lines[] = {m_ui->IDC_ABOUT_LINE1, m_ui->IDC_ABOUT_LINE2, m_ui->IDC_ABOUT_LINE3, m_ui->IDC_ABOUT_LINE4};
  for (std::size_t i = 0; i < box.lines.size(); ++i) lines[i]->setText(QString::fromStdString(box.lines[i]));
  m_ui->IDC_ABOUT_ICON->setPixmap(ApplicationIcon().pixmap(32, 32));
  m_ui->IDC_ABOUT_ICON->resize(32, 32);
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace skycalc
