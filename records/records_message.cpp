#include "records/records_message.h"

namespace tarvel {

namespace {

std::string EnglishRow(int row) {
  switch (row) {
    case 90:
      return "The file \"";
    case 91:
      return "\" has incorrect attributes!\n\rThe work of the program will be incorrect!";
    case 92:
      return "The incorrect file";
    case 93:
      return "Can`t find the file";
    case 97:
      return "Error of disk writing!";
    default:
      return {};
  }
}

}  // namespace

int RecordsMessage::Row() const {
  switch (Kind) {
    case RecordsMessageKind::FileMissing:
      return 93;
    case RecordsMessageKind::FileIncorrect:
      return 92;
    case RecordsMessageKind::FileAttributes:
      return 90;
    case RecordsMessageKind::DiskWriteError:
      return 97;
    case RecordsMessageKind::HistoryNotSaved:
      return -1;
  }
  return -1;
}

int RecordsMessage::SecondRow() const {
  return Kind == RecordsMessageKind::FileAttributes ? 91 : -1;
}

std::string RecordsMessage::English() const {
  return Compose(EnglishRow);
}

std::string RecordsMessage::Compose(const std::function<std::string(int row)>& text) const {
  switch (Kind) {
    case RecordsMessageKind::FileMissing:
    case RecordsMessageKind::FileIncorrect:
      return text(Row()) + " \"" + Path + "\"!";
    case RecordsMessageKind::FileAttributes:
      return text(Row()) + Path + text(SecondRow());
    case RecordsMessageKind::DiskWriteError:
      return text(Row());
    case RecordsMessageKind::HistoryNotSaved:
      return "Cann`t save history!";
  }
  return {};
}

bool RecordsMessage::Fatal() const {
  return Kind == RecordsMessageKind::FileMissing || Kind == RecordsMessageKind::FileIncorrect;
}

}  // namespace tarvel
