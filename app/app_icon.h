#pragma once

#include <QIcon>

namespace skycalc {

// The application icon (32x32, 16 colours): window, task bar and version box.
QIcon ApplicationIcon();

}  // namespace skycalc
