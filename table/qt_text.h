#pragma once
// The program's texts are UTF-8 inside (the text table, names converted from Windows-1251); Qt shows them
// as QString. This is the one conversion at that edge.
#include <QString>
#include <string_view>

namespace tarvel {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace tarvel
