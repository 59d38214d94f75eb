#include "app/sky_calc_app.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <clocale>

#include "app/app_icon.h"
#include "app/sky_calc_window.h"
#include "catalog/catalog_folders.h"
#include "panel/clock.h"
#include "panel/settings_keys.h"
#include "store/qt_settings_store.h"

namespace skycalc {

CSkyCalcApp::CSkyCalcApp(int& argc, char** argv) : QApplication(argc, argv) {
  // QApplication adopts the user's locale; the calculator's texts, its entry
  // and its settings always use a decimal point, as the C library's "C"
  // numeric conventions write and read them ("135.0", "%5.2f", "%f").
  std::setlocale(LC_NUMERIC, "C");
  setOrganizationName(QString::fromUtf8(kCompanyName));
  setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
  setWindowIcon(ApplicationIcon());
  // Every text the user meets is Japanese, whatever the desktop's language:
  // Qt's own texts come from its Japanese translation when it is installed.
  m_hasQtTranslation = m_qtTranslator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (m_hasQtTranslation) installTranslator(&m_qtTranslator);
}

int CSkyCalcApp::InitInstance() {
  QtSettingsStore store;
  SystemClock clock;
  // The catalogues: from the current folder, else from the installed share
  // folder beside the program (../share/skycalc).
  CSkyCalcWindow window(store, clock, CatalogSearchFolders(applicationDirPath().toStdString()));
  window.exec();
  return 0;
}

}  // namespace skycalc
