// Visits every cell of four stages through GetMapValue and SetMapValue, once
// with the script interpreter and once with Lua 5.4, and prints how many
// times slower the interpreter is, and whether both left the same cells.

#include "tools/script/ScriptHost.h"
#include "tools/script/TPoorPascal.h"

#include <benchmark/benchmark.h>
#include <lua.hpp>

#include <array>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>

namespace {

// Four stages of 180 x 30 one-character cells.
class Grid {
public:
  Grid() {
    for (std::size_t i = 0; i < cells_.size(); ++i) cells_[i] = i % 3 == 0 ? 'A' : '0';
  }
  char Get(std::int64_t x, std::int64_t y, std::int64_t stage) const { return Inside(x, y, stage) ? cells_[At(x, y, stage)] : '0'; }
  void Set(std::int64_t x, std::int64_t y, std::int64_t stage, char c) {
    if (Inside(x, y, stage)) cells_[At(x, y, stage)] = c;
  }
  // Exact as a benchmark counter (a double).
  std::uint32_t Checksum() const {
    std::uint32_t sum = 0;
    for (const char c : cells_) sum = sum * 31 + static_cast<unsigned char>(c);
    return sum;
  }

private:
  static bool Inside(std::int64_t x, std::int64_t y, std::int64_t stage) {
    return x >= 0 && x < 180 && y >= 0 && y < 30 && stage >= 0 && stage < 4;
  }
  static std::size_t At(std::int64_t x, std::int64_t y, std::int64_t stage) {
    return static_cast<std::size_t>((stage * 30 + y) * 180 + x);
  }
  std::array<char, 4 * 30 * 180> cells_{};
};

constexpr const char* kScript[] = {
    "var s, x, y, v, n: integer; c: string;",
    "begin",
    "  for s := 0 to 3 do",
    "    for y := 0 to 29 do",
    "      for x := 0 to 179 do",
    "      begin",
    "        c := GetMapValue(x, y, s);",
    "        if c = 'A' then n := n + 1;",
    "        v := (x * 7 + y * 3 + s) mod 5;",
    "        if v = 0 then SetMapValue(x, y, s, 'B') else SetMapValue(x, y, s, c);",
    "      end;",
    "end",
};

constexpr const char* kLua = R"(
local n = 0
for s = 0, 3 do
  for y = 0, 29 do
    for x = 0, 179 do
      local c = GetMapValue(x, y, s)
      if c == "A" then n = n + 1 end
      local v = (x * 7 + y * 3 + s) % 5
      if v == 0 then SetMapValue(x, y, s, "B") else SetMapValue(x, y, s, c) end
    end
  end
end
return n
)";

class GridHost : public zt::script::ScriptHost {
public:
  int ProcParam(std::string_view, int index, std::span<const zt::script::ScriptArgument> a) override {
    if (index != 1) return -1;
    grid.Set(a[0].intValue, a[1].intValue, a[2].intValue, a[3].strValue.size() == 1 ? a[3].strValue[0] : '0');
    return 0;
  }
  int StrFuncParam(std::string_view, int index, std::span<const zt::script::ScriptArgument> a,
                   std::string& result) override {
    if (index != 2) return -1;
    result.assign(1, grid.Get(a[0].intValue, a[1].intValue, a[2].intValue));
    return 0;
  }
  Grid grid;
};

void Interpreter(benchmark::State& state) {
  GridHost host;
  zt::script::TPoorPascal interpreter(host);
  interpreter.SetDeclarePrototype({
      "procedure SetMapValue(X:integer;Y:integer;Stage:integer;Moji:String);Index 1;",
      "function GetMapValue(X:integer;Y:integer;Stage:integer):string;Index 2;",
  });
  interpreter.SetSource({std::begin(kScript), std::end(kScript)});
  for (auto _ : state) interpreter.Run();
  state.counters["cells"] = host.grid.Checksum();
}

Grid& LuaGrid(lua_State* lua) { return *static_cast<Grid*>(lua_touserdata(lua, lua_upvalueindex(1))); }

int LuaGetMapValue(lua_State* lua) {
  const char c = LuaGrid(lua).Get(luaL_checkinteger(lua, 1), luaL_checkinteger(lua, 2), luaL_checkinteger(lua, 3));
  lua_pushlstring(lua, &c, 1);
  return 1;
}

int LuaSetMapValue(lua_State* lua) {
  std::size_t length = 0;
  const char* text = luaL_checklstring(lua, 4, &length);
  LuaGrid(lua).Set(luaL_checkinteger(lua, 1), luaL_checkinteger(lua, 2), luaL_checkinteger(lua, 3),
                   length == 1 ? text[0] : '0');
  return 0;
}

void Lua(benchmark::State& state) {
  Grid grid;
  lua_State* lua = luaL_newstate();
  luaL_openlibs(lua);
  const std::pair<const char*, lua_CFunction> functions[] = {{"GetMapValue", LuaGetMapValue},
                                                             {"SetMapValue", LuaSetMapValue}};
  for (const auto& [name, function] : functions) {
    lua_pushlightuserdata(lua, &grid);
    lua_pushcclosure(lua, function, 1);
    lua_setglobal(lua, name);
  }
  if (luaL_loadstring(lua, kLua) != LUA_OK) throw std::runtime_error(lua_tostring(lua, -1));
  for (auto _ : state) {
    lua_pushvalue(lua, -1);
    if (lua_pcall(lua, 0, 1, 0) != LUA_OK) throw std::runtime_error(lua_tostring(lua, -1));
    lua_pop(lua, 1);
  }
  lua_close(lua);
  state.counters["cells"] = grid.Checksum();
}

BENCHMARK(Interpreter)->Unit(benchmark::kMillisecond);
BENCHMARK(Lua)->Unit(benchmark::kMillisecond);

// Keeps the time per iteration and the cells left by each benchmark to
// compare them at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
      seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
      if (const auto cells = run.counters.find("cells"); cells != run.counters.end())
        checksums[run.benchmark_name()] = cells->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> seconds;
  std::map<std::string, double> checksums;
};

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const auto interpreter = reporter.seconds.find("Interpreter");
  const auto lua = reporter.seconds.find("Lua");
  if (interpreter != reporter.seconds.end() && lua != reporter.seconds.end())
    std::printf("interpreter %.2f ms, Lua %.2f ms: the interpreter takes %.2f times as long as Lua (goal: 5)\n",
                interpreter->second * 1e3, lua->second * 1e3, interpreter->second / lua->second);
  // Every run does the same to the cells, so both must leave the same ones.
  if (reporter.checksums.size() == 2 && reporter.checksums["Interpreter"] != reporter.checksums["Lua"]) {
    std::printf("the interpreter and Lua left different cells\n");
    return 1;
  }
  return 0;
}
