#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QComboBox;
class QWidget;

// The forms of this program are laid out in dialog units, the font-relative
// grid of a dialog template, and converted to pixels for the dialog font when
// the window is built, so that the layout follows the font like a template does.
namespace skycalc {

// The dialog font: "ＭＳ Ｐゴシック" 9 pt where installed, else the metric-compatible
// IPA P Gothic under either of its names (or IPA Gothic), in any locale.
QFont DialogFont();

// Dialog base units of a font in pixels: x the average width of "A-Za-z"
// ((width / 26 + 1) / 2), y the character height.
QSize DialogBaseUnits(const QFont& font);

// A rectangle in dialog units to pixels: x * base.x / 4, y * base.y / 8, rounded.
QRect DialogUnitsToPixels(const QRect& units, QSize base);

// Sets the dialog font on form and converts the geometry of its controls (and
// of the controls inside its frames) from dialog units to pixels; the form
// gets the fixed size templateSize (dialog units).
void ApplyDialogUnits(QWidget* form, QSize templateSize);

// Widens the pop-up of a drop-down list so that it shows its longest entry
// whole, as the template's lists do with their drop-down width; the closed
// list keeps its width. Call once the list is filled.
void FitListPopup(QComboBox* list);

}  // namespace skycalc
