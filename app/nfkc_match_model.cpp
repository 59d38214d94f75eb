#include "app/nfkc_match_model.h"

namespace skycalc {

QModelIndexList NfkcMatchModel::match(const QModelIndex& start, int role, const QVariant& value, int hits,
                                      Qt::MatchFlags flags) const {
  const Qt::MatchFlags type = flags & Qt::MatchTypeMask;
  if ((type != Qt::MatchStartsWith && type != Qt::MatchContains) || value.typeId() != QMetaType::QString ||
      start.parent().isValid()) {
    return QStandardItemModel::match(start, role, value, hits, flags);
  }
  // Reference: Unicode Standard Annex #15, Unicode Normalization Forms (form KC).
  const QString sought = value.toString().normalized(QString::NormalizationForm_KC);
  const Qt::CaseSensitivity sensitivity = flags.testFlag(Qt::MatchCaseSensitive) ? Qt::CaseSensitive : Qt::CaseInsensitive;
  const int rows = rowCount();
  const int end = flags.testFlag(Qt::MatchWrap) ? start.row() + rows : rows;
  QModelIndexList found;
  for (int row = start.row(); row < end && (hits < 0 || found.size() < hits); ++row) {
    const QModelIndex at = index(row % rows, start.column());
    const QString text = at.data(role).toString().normalized(QString::NormalizationForm_KC);
    if (type == Qt::MatchStartsWith ? text.startsWith(sought, sensitivity) : text.contains(sought, sensitivity))
      found.append(at);
  }
  return found;
}

}  // namespace skycalc
