#pragma once

namespace zt {

inline constexpr const char* kProductName = "Zarno Tool++";
inline constexpr const char* kVersionText = "2.56";
inline constexpr const char* kSupportSite = "https://zarnotoolpp.example.org/";

} // namespace zt
