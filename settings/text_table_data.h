#pragma once
// The compiled rows of texts.tsv; make_text_table writes the definition. Only text_table.cpp reads it.
#include <string_view>

#include "settings/text_table.h"

namespace tarvel::text_table_data {

extern const std::string_view kCells[kTextRows][kLanguageCount];

}  // namespace tarvel::text_table_data
