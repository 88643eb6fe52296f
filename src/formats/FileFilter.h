#pragma once
// File dialog filters, written as "label|pattern|label|pattern" with the
// patterns of one entry separated by ";".

#include <string>
#include <vector>

namespace zt {

// Each entry as "label (pattern pattern ...)", the form file dialogs show;
// "*.*" stands for every file and becomes "*".
std::vector<std::string> NameFilters(const std::string& filter);

} // namespace zt
