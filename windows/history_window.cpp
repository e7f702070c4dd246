#include "windows/history_window.h"
#include "table/qt_text.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>

namespace tarvel {

namespace {
constexpr int kRowCaption = 401;
constexpr int kRowFirstHeader = 402;  // 402-408: time, date, player, games, result, rating, type
constexpr int kColumnWidths[7] = {45, 65, 210, 45, 55, 55, 80};
constexpr int kPlayerColumn = 2;
constexpr int kTypeColumn = 6;

}  // namespace

QColor TFormHistory::TypeColour(HistoryTypeColour colour, const QPalette& palette) {
  switch (colour) {
    case HistoryTypeColour::Green: return QColor(0, 128, 0);
    case HistoryTypeColour::Red: return QColor(255, 0, 0);
    case HistoryTypeColour::Blue: return QColor(0, 0, 255);
    case HistoryTypeColour::WindowText: break;
  }
  return palette.color(QPalette::Text);
}

TFormHistory::TFormHistory(WindowContext& context, int* chosenFile, QWidget* parent)
    : AuxWindow(context, parent), chosen_(chosenFile) {
  setWindowTitle(context.Tr(kRowCaption));
  SetClientSize(kClientWidth, kClientHeight);
  AddHeading(context.Tr(kRowCaption), QRect(20, 12, 260, 28), 18, Qt::AlignLeft | Qt::AlignVCenter);

  list_ = new QComboBox(this);
  list_->setObjectName(QStringLiteral("fileList"));
  list_->setFont(WidgetFont(13, false));
  Place(list_, QRect(290, 13, 300, 26));

  grid_ = new QTableWidget(0, 7, this);
  grid_->setObjectName(QStringLiteral("grid"));
  grid_->setFont(WidgetFont(12, false));
  grid_->horizontalHeader()->setFont(WidgetFont(12, true));
  QStringList headers;
  for (int c = 0; c < 7; ++c) headers << context.Tr(kRowFirstHeader + c);
  grid_->setHorizontalHeaderLabels(headers);
  for (int c = 0; c < 7; ++c) grid_->setColumnWidth(c, Sc(kColumnWidths[c]));
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(Sc(20));
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The grid is as wide as its columns and its scroll bar, centred.
  int columns = 0;
  for (int c = 0; c < 7; ++c) columns += grid_->columnWidth(c);
  const int gridWidth = columns + grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth();
  const QRect area = Sc(QRect(15, 50, 580, 322));
  grid_->setGeometry(area.x() + (area.width() - gridWidth) / 2, area.y(), gridWidth, area.height());

  TKexCardsButton* ok = AddButton(QStringLiteral("Ok"), QRect(255, 385, 100, 32), "ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  files_ = ListHistoryFiles(context.programDir);
  if (files_.empty()) {
    list_->addItem(QStringLiteral("No History Files"));
    list_->setEnabled(false);
    return;
  }
  int index = static_cast<int>(files_.size()) - 1;  // the last valid file unless one was chosen before
  for (std::size_t i = 0; i < files_.size(); ++i) {
    list_->addItem(Q(files_[i].Text));
    if (chosen_ && files_[i].Number == *chosen_) index = static_cast<int>(i);
  }
  list_->setCurrentIndex(index);
  ShowFile(files_[static_cast<std::size_t>(index)].Number);
  connect(list_, &QComboBox::activated, this, [this](int i) { ChooseItem(i); });
}

void TFormHistory::ChooseItem(int index) {
  if (index < 0 || index >= static_cast<int>(files_.size())) return;
  list_->setCurrentIndex(index);
  const int number = files_[static_cast<std::size_t>(index)].Number;
  if (chosen_) *chosen_ = number;
  ShowFile(number);
}

void TFormHistory::ShowFile(int number) {
  shown_ = number;
  const std::vector<HistoryRow> rows = ReadHistoryRows(Context().programDir, number);
  grid_->clearContents();
  grid_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const HistoryRow& row = rows[static_cast<std::size_t>(r)];
    for (int c = 0; c < 7; ++c) {
      auto* item = new QTableWidgetItem(Q(row.Cells[static_cast<std::size_t>(c)]));
      item->setTextAlignment(c == kPlayerColumn ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      if (c == kPlayerColumn) item->setFont(CoveringFont(grid_->font(), item->text()));
      if (c == kTypeColumn) item->setForeground(TypeColour(row.TypeColour, grid_->palette()));
      grid_->setItem(r, c, item);
    }
  }
  // The newest entry is the last; show it.
  if (!rows.empty()) grid_->scrollToBottom();
}

}  // namespace tarvel
