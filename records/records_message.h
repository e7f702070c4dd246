#pragma once
// The messages of the records layer: what went wrong with which file. The layer never shows anything;
// the caller shows the message in the current language by composing it from the text table, or takes
// the English text as it stands.
#include <functional>
#include <string>

namespace tarvel {

enum class RecordsMessageKind {
  // "Can`t find the file" (row 93) + " \"" + path + "\"!"; at start-up the program ends.
  FileMissing,
  // "The incorrect file" (row 92) + " \"" + path + "\"!"; at start-up the program ends.
  FileIncorrect,
  // "The file \"" (row 90) + path + "\" has incorrect attributes!..." (row 91); the run goes on.
  FileAttributes,
  // "Error of disk writing!" (row 97): a club file was not saved.
  DiskWriteError,
  // "Cann`t save history!" (no row of the text table): a history file was not saved.
  HistoryNotSaved,
};

struct RecordsMessage {
  RecordsMessageKind Kind = RecordsMessageKind::DiskWriteError;
  std::string Path;  // the full path the message names (UTF-8, as the file system gives it); may be empty

  // The text-table row of the message's first text, or -1 when it has none; SecondRow is the row that
  // follows the path (91 for FileAttributes), or -1.
  int Row() const;
  int SecondRow() const;

  // The whole message in English.
  std::string English() const;

  // The whole message built from text(row) in the current language; a message without a row keeps its
  // English text.
  std::string Compose(const std::function<std::string(int row)>& text) const;

  // True for the messages after which the start-up cannot go on (a missing or incorrect club file).
  bool Fatal() const;
};

}  // namespace tarvel
