#pragma once

#include <QApplication>
#include <QTranslator>

namespace skycalc {

// The application object: company "Quillmoor", the program file's base name as
// the application's name (settings store, message box titles), and Qt's own
// texts (edit menus, standard buttons) in Japanese like the rest of the window.
class CSkyCalcApp : public QApplication {
  Q_OBJECT

 public:
  CSkyCalcApp(int& argc, char** argv);

  // Runs the calculator window modally and returns when it ends: the exit code (0).
  int InitInstance();
  // Whether Qt's Japanese translation (qtbase_ja.qm from Qt's translations folder) was loaded.
  bool HasQtTranslation() const { return m_hasQtTranslation; }

 private:
  QTranslator m_qtTranslator;
  bool m_hasQtTranslation = false;
};

}  // namespace skycalc
