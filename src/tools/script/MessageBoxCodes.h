#pragma once
// Flag and result numbers of the MessageBox built-in. They keep the values of
// the platform the language was first written for, so that existing scripts
// pass the same numbers on every platform.

#include <cstdint>

namespace zt::script::msgbox {

// Buttons (the low four bits of the flags).
inline constexpr std::int64_t Ok = 0x0;
inline constexpr std::int64_t OkCancel = 0x1;
inline constexpr std::int64_t AbortRetryIgnore = 0x2;
inline constexpr std::int64_t YesNoCancel = 0x3;
inline constexpr std::int64_t YesNo = 0x4;
inline constexpr std::int64_t RetryCancel = 0x5;
inline constexpr std::int64_t ButtonMask = 0xF;

// Icons.
inline constexpr std::int64_t IconError = 0x10;
inline constexpr std::int64_t IconQuestion = 0x20;
inline constexpr std::int64_t IconWarning = 0x30;
inline constexpr std::int64_t IconInformation = 0x40;
inline constexpr std::int64_t IconMask = 0xF0;

// Default button.
inline constexpr std::int64_t DefaultButton1 = 0x000;
inline constexpr std::int64_t DefaultButton2 = 0x100;
inline constexpr std::int64_t DefaultButton3 = 0x200;
inline constexpr std::int64_t DefaultButtonMask = 0xF00;

// Results: the button that was chosen.
inline constexpr std::int64_t IdOk = 1;
inline constexpr std::int64_t IdCancel = 2;
inline constexpr std::int64_t IdAbort = 3;
inline constexpr std::int64_t IdRetry = 4;
inline constexpr std::int64_t IdIgnore = 5;
inline constexpr std::int64_t IdYes = 6;
inline constexpr std::int64_t IdNo = 7;

} // namespace zt::script::msgbox
