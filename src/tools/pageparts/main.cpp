// Writes the default header.htm and footer.htm of a fresh install into the
// folder given as the argument, from the same lines the options dialog falls
// back on, so the two never differ.

#include "app/config/DefaultPageParts.h"
#include "document/Cp932Codec.h"
#include "formats/FileError.h"
#include "formats/TextFile.h"

#include <iostream>

namespace {

void Write(const std::string& path, const std::vector<std::string>& utf8Lines) {
  std::vector<std::string> lines;
  for (const std::string& line : utf8Lines) lines.push_back(zt::Sjis(line));
  zt::WriteTextLines(path, lines);
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: zt_pageparts FOLDER\n";
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  try {
    Write(folder + "header.htm", zt::DefaultHeaderLines());
    Write(folder + "footer.htm", zt::DefaultFooterLines());
  } catch (const zt::FileError& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
