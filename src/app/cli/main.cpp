// zarnotool-cli: the editor's document core for batch work.

#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "app/cli/CliDocument.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Command {
  const char* name;
  const char* usage;
  int (*run)(const std::vector<std::string>&);
};

constexpr Command kCommands[] = {
    {"dump", "dump FILE [--password PW]\n      print the document as JSON", zt::cli::RunDump},
    {"convert",
     "convert IN OUT [--comment] [--map-print] [--copyright] [--header FILE] [--footer FILE]\n"
     "              [--password PW] [--encrypt PW]\n"
     "      read IN and write OUT: a .zpp name gives a project file, any other a game page",
     zt::cli::RunConvert},
    {"sjis", "sjis FILE [--detect]\n      print the file converted to Shift-JIS, or its character code number",
     zt::cli::RunSjis},
    {"script",
     "script PPA [FILE] [--out OUT] [--define NAME]... [--allow-exec] [--password PW] [--encrypt PW]\n"
     "      run the map script PPA on FILE (or on a new four-stage document) and write the result to OUT;\n"
     "      programs are started only with --allow-exec",
     zt::cli::RunScript},
#ifdef ZT_CLI_RENDER
    {"render",
     "render FILE [--stage N] --out PNG [--pattern PATH] [--mini] [--marks] [--chars] [--password PW]\n"
     "      draw stage N (1 to 4, default 1) as the map view draws it, 180 x 30 cells, into a PNG picture",
     zt::cli::RunRender},
#endif
};

void PrintUsage(std::ostream& out) {
  out << "usage: zarnotool-cli COMMAND ...\n\n"
         "Files are read by extension: .zpp/.ZPP project, .cmd stage file, anything else a game page.\n\n";
  for (const Command& command : kCommands) out << "  " << command.usage << "\n";
  out << "\nExit codes: 0 success, 1 the read or write failed, 2 bad usage.\n";
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage(std::cerr);
    return 2;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(std::cout);
    return 0;
  }
  const std::vector<std::string> words(argv + 2, argv + argc);
  for (const Command& command : kCommands) {
    if (name != command.name) continue;
    try {
      return command.run(words);
    } catch (const zt::cli::UsageError& e) {
      std::cerr << "zarnotool-cli " << name << ": " << e.what() << "\nusage: zarnotool-cli " << command.usage << "\n";
      return 2;
    } catch (const zt::cli::CliFailure& e) {
      std::cerr << e.what() << "\n";
      return 1;
    }
  }
  std::cerr << "zarnotool-cli: unknown command " << name << "\n";
  PrintUsage(std::cerr);
  return 2;
}
