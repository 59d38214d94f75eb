#include "app/app_icon.h"

// The resources live in a static library; registering them here keeps the
// linker from dropping them.
static void InitSkycalcResources() { Q_INIT_RESOURCE(skycalc); }

namespace skycalc {

QIcon ApplicationIcon() {
  InitSkycalcResources();
  return QIcon(QStringLiteral(":/skycalc/skycalc.png"));
}

}  // namespace skycalc
