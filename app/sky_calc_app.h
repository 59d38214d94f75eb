#pragma once

#include <QApplication>

namespace skycalc {

// The application object: company "Quillmoor", the program file's base name as
// the application's name (settings store, message box titles).
class CSkyCalcApp : public QApplication {
  Q_OBJECT

 public:
  CSkyCalcApp(int& argc, char** argv);

  // Runs the calculator window modally and returns when it ends: the exit code (0).
  int InitInstance();
};

}  // namespace skycalc
