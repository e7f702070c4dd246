#pragma once
// The "Top Ten" window: the ten best cycle scores of the club file on a parchment, places 1-3 in red
// and 4-10 in navy, with the two sirens of the title running while animations are on.
#include "records/club_file.h"
#include "records/club_list.h"
#include "windows/aux_window.h"

class QLabel;
class QMovie;

namespace tarvel {

class TFormTopTen : public AuxWindow {
 public:
  TFormTopTen(WindowContext& context, const ClubLines& club, ClubKind kind, QWidget* parent = nullptr);

  const TopTenWindow& Table() const { return table_; }
  // The colour of a place's row.
  static QColor RowColour(const TopTenRow& row);
  // The top of a place's row in design pixels.
  static int RowY(int place) { return 150 + 33 * (place - 1); }
  static constexpr int kClientWidth = 470;
  static constexpr int kClientHeight = 540;

 protected:
  void PaintContents(QPainter& p) override;

 private:
  TopTenWindow table_;
  QPixmap parchment_;
  QMovie* left_ = nullptr;
  QMovie* right_ = nullptr;
};

}  // namespace tarvel
