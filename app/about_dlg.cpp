#include "app/about_dlg.h"

#include "app/app_icon.h"
#include "app/dialog_units.h"
#include "ui_about_dlg.h"

namespace skycalc {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::AboutDlg>()) {
  m_ui->setupUi(this);
  // A modal frame with a system menu: close box only.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  ApplyDialogUnits(this, QSize(234, 107));
  m_ui->IDC_ABOUT_ICON->setPixmap(ApplicationIcon().pixmap(32, 32));
  m_ui->IDC_ABOUT_ICON->resize(32, 32);
}

CAboutDlg::~CAboutDlg() = default;

}  // namespace skycalc
