#pragma once

#include <string>

// The calculator's help (F1), one text for every front end; where the window
// and the page work differently (where the settings are kept), the text says
// what the front end asked for does.
namespace skycalc {

enum class FrontEnd { kWindow, kPage };

// The whole help as the help box shows it: how to key the fields, the
// displays and lists, the right-click menu's boxes, the two models, the
// keyboard, where and when the settings are saved (by frontEnd), then the
// paragraph on the 方位 field (AzimuthOriginHelp) after a blank line.
std::string HelpText(FrontEnd frontEnd);

}  // namespace skycalc
