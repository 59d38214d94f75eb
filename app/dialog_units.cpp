#include "app/dialog_units.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QScrollBar>
#include <QStyle>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cmath>

namespace skycalc {
namespace {

// a * b / c rounded half away from zero (all operands positive here).
int MulDiv(int a, int b, int c) {
  return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}

// Converts the direct children of parent; descends into frames only, never into
// the inner widgets of composite controls (a list's text field, say).
void ConvertChildren(QWidget* parent, QSize base) {
  const auto children = parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  for (QWidget* child : children) {
    child->setGeometry(DialogUnitsToPixels(child->geometry(), base));
    if (qobject_cast<QGroupBox*>(child)) ConvertChildren(child, base);
  }
}

}  // namespace

QFont DialogFont() {
  // The font database names a family in the language of the locale where the
  // font gives one: under a Japanese locale IPA P Gothic is "IPA Pゴシック",
  // and missing it there put the monospaced IPA Gothic, with its narrower
  // dialog units, in its place (the layout's texts no longer fit).
  const QStringList installed = QFontDatabase::families();
  QString family = QStringLiteral("IPAGothic");
  for (const char* candidate : {"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", "IPA Pゴシック"}) {
    if (installed.contains(QString::fromUtf8(candidate), Qt::CaseInsensitive)) {
      family = QString::fromUtf8(candidate);
      break;
    }
  }
  QFont font(family);
  font.setPointSize(9);
  return font;
}

QSize DialogBaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return QSize((letters / 26 + 1) / 2, metrics.height());
}

QRect DialogUnitsToPixels(const QRect& units, QSize base) {
  return QRect(MulDiv(units.x(), base.width(), 4), MulDiv(units.y(), base.height(), 8),
               MulDiv(units.width(), base.width(), 4), MulDiv(units.height(), base.height(), 8));
}

void ApplyDialogUnits(QWidget* form, QSize templateSize) {
  form->setFont(DialogFont());
  const QSize base = DialogBaseUnits(form->font());
  ConvertChildren(form, base);
  form->setFixedSize(DialogUnitsToPixels(QRect(QPoint(0, 0), templateSize), base).size());
}

void FitListPopup(QComboBox* list) {
  QAbstractItemView* view = list->view();
  const int scrollBar = list->count() > list->maxVisibleItems() ? view->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
  view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth() + scrollBar);
}

}  // namespace skycalc
