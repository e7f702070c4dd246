#pragma once
// Checks that bytes are a well-formed Qt binary resource file (rcc --binary) before they are handed to
// QResource, which trusts every offset in them: the header, every node of the tree reachable from the
// root, every name and every data block must lie inside the bytes. Standard library only.
#include <string_view>

namespace tarvel {

bool IsWellFormedResourceFile(std::string_view bytes);

}  // namespace tarvel
