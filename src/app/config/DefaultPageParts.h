#pragma once
// The built-in header and footer of a game page: what the options dialog
// shows when the configured files cannot be read, and what the shipped
// header.htm and footer.htm hold. UTF-8 lines without line ends.

#include <string>
#include <vector>

namespace zt {

const std::vector<std::string>& DefaultHeaderLines();
const std::vector<std::string>& DefaultFooterLines();

} // namespace zt
