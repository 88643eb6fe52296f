#pragma once
// Password encryption of project files: a 44-byte header (0x17, 0x00,
// "LOCKED", the plain file's DOS time stamp, the masked password) followed by
// the body XOR-ed with the password, the key restarting every 1024 bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zt {

inline constexpr std::size_t kCryptHeaderSize = 44;
inline constexpr std::size_t kMaxPasswordBytes = 32;

enum DecryptResult : int { kDecrypted = 0, kWrongPassword = 1, kDecryptFailed = 2 };

// Why a password could never open the file again (longer than the header
// holds, or holding the mask byte), as a message; nullopt when it is usable.
std::optional<std::string> PasswordProblem(std::string_view password);

// Encrypts the file in place. keepSource keeps the plain file as ".org".
bool EncryptFile(const std::string& path, std::string_view password, bool keepSource);
// Decrypts the file in place. keepSource keeps the encrypted file as ".crp".
int DecryptFile(const std::string& path, std::string_view password, bool keepSource);

// The DOS packed date and time (date in the high 16 bits) of a local time.
std::uint32_t DosTimeFromUnix(long long seconds);
long long UnixFromDosTime(std::uint32_t dos);

} // namespace zt
