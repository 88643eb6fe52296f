// zarnotool-cli sjis FILE [--detect]: the file converted to Shift-JIS, or the
// number of the character code found in it.

#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliDocument.h"
#include "formats/FileError.h"
#include "formats/KanjiConversion.h"
#include "formats/TextFile.h"

#include <iostream>

namespace zt::cli {

int RunSjis(const std::vector<std::string>& words) {
  const CliArguments args(words, {}, {"detect"});
  args.ExpectPositional(1, 1);
  std::string bytes;
  try {
    bytes = ReadFileBytes(args.positional()[0]);
  } catch (const FileError& e) {
    throw CliFailure(e.what());
  }
  if (args.Has("detect")) std::cout << static_cast<int>(DetectKanjiCode(bytes)) << "\n";
  else std::cout << ToShiftJis(bytes);
  return 0;
}

} // namespace zt::cli
