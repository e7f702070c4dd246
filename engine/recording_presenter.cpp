#include "engine/recording_presenter.h"

namespace tarvel {

std::vector<std::string> RecordingPresenter::Starting(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& e : events)
    if (e.rfind(prefix, 0) == 0) out.push_back(e);
  return out;
}

void RecordingPresenter::Say(int seat, Speech what) {
  const char* text = "";
  switch (what) {
    case Speech::Blank: text = "blank"; break;
    case Speech::Name: text = "name"; break;
    case Speech::IGo: text = "igo"; break;
    case Speech::ThatsAll: text = "thatsall"; break;
    case Speech::ITake: text = "itake"; break;
  }
  Add("say " + std::to_string(seat) + " " + text);
}

void RecordingPresenter::FlyToTable(int seat, TStr2 card, MoveKind kind, int n) {
  Add("lay " + std::to_string(seat) + " " + AsciiName(card) + " k" + std::to_string(static_cast<int>(kind)) + " #" +
      std::to_string(n));
}

}  // namespace tarvel
