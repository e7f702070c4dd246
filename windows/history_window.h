#pragma once
// The history window: the valid history files of the program directory in a list (listing stops at the
// first missing or invalid file) and the entries of the chosen file in a grid. With no file the list
// holds "No History Files" and is disabled, and the grid shows only its header.
#include <QColor>

#include "records/history_file.h"
#include "windows/aux_window.h"

class QComboBox;
class QTableWidget;

namespace tarvel {

class TFormHistory : public AuxWindow {
 public:
  // chosenFile, when given, is the file number chosen earlier in this run (0: none); it is read to pick
  // the file shown first and updated whenever the user chooses another. The main window keeps it.
  TFormHistory(WindowContext& context, int* chosenFile = nullptr, QWidget* parent = nullptr);

  // Shows the entries of the list item index (0-based), as choosing it in the list does.
  void ChooseItem(int index);
  int ShownFile() const { return shown_; }  // 0 when none
  QComboBox* FileList() const { return list_; }
  QTableWidget* Grid() const { return grid_; }

  static QColor TypeColour(HistoryTypeColour colour, const QPalette& palette);
  static constexpr int kClientWidth = 610;
  static constexpr int kClientHeight = 430;

 private:
  void ShowFile(int number);

  int* chosen_;
  int shown_ = 0;
  std::vector<HistoryListItem> files_;
  QComboBox* list_ = nullptr;
  QTableWidget* grid_ = nullptr;
};

}  // namespace tarvel
