#pragma once

#include <QStandardItemModel>

// The model of the window's body lists: typing in an open list finds the
// entry whose text starts with what was typed after Unicode NFKC
// normalisation of both, so that the full-width ベガ an input method commits
// finds the star list's half-width ﾍﾞｶﾞ (and "ｓｉ" finds "si...").
namespace skycalc {

class NfkcMatchModel : public QStandardItemModel {
 public:
  using QStandardItemModel::QStandardItemModel;

  // As QAbstractItemModel::match, but for a text sought with
  // Qt::MatchStartsWith or Qt::MatchContains (the item views' keyboard
  // search) among the top-level rows, compares the NFKC forms. Every other
  // search is the base class's.
  QModelIndexList match(const QModelIndex& start, int role, const QVariant& value, int hits = 1,
                        Qt::MatchFlags flags = Qt::MatchFlags(Qt::MatchStartsWith | Qt::MatchWrap)) const override;
};

}  // namespace skycalc
