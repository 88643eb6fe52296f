# benchmark of the script interpreter against Lua
pkg_check_modules(LUA REQUIRED IMPORTED_TARGET lua5.4)
zt_bench(zt_bench_script ScriptBench.cpp)
target_link_libraries(zt_bench_script PRIVATE zt_script PkgConfig::LUA)
