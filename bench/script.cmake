# benchmark of the script interpreter against Lua
