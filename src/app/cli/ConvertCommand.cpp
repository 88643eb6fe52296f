// zarnotool-cli convert IN OUT [options]: reads one file and writes another.

#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliDocument.h"

#include <iostream>

namespace zt::cli {

int RunConvert(const std::vector<std::string>& words) {
  const CliArguments args(words, {"password", "encrypt", "header", "footer"}, {"comment", "map-print", "copyright"});
  args.ExpectPositional(2, 2);
  CliDocument file({args.Value("password"), args.Value("header").value_or(""), args.Value("footer").value_or("")});
  file.Open(args.positional()[0]);

  WriteSettings out;
  out.page.comment = args.Has("comment");
  out.page.mapPrint = args.Has("map-print");
  out.page.viewCopyright = args.Has("copyright");
  out.encryptPassword = args.Value("encrypt");
  file.Save(args.positional()[1], out);
  return 0;
}

} // namespace zt::cli
