#include "JournalFingerprint.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {
constexpr std::size_t kHeaderSize = 100;
// File times move in clock ticks; a fingerprint taken this soon after a write is not trusted.
constexpr std::int64_t kSettleNs = 2'000'000'000;

std::int64_t Nanoseconds(const timespec& time)
{
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::string Hex(const std::string& bytes)
{
    std::string text;
    char digits[3];
    for (unsigned char byte : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", byte);
        text += digits;
    }
    return text;
}
}

std::optional<JournalFingerprint> JournalFingerprint::Of(const std::filesystem::path& file)
{
    std::error_code error;
    if (std::filesystem::exists(file.string() + "-wal", error))
        return std::nullopt;
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0)
        return std::nullopt;
    std::string header(kHeaderSize, '\0');
    std::ifstream stream(file, std::ios::binary);
    if (!stream.read(header.data(), static_cast<std::streamsize>(header.size())))
        return std::nullopt;
    // Bytes 18 and 19 are 1 for a rollback journal, 2 for a write-ahead log.
    if (header[18] != 1 || header[19] != 1)
        return std::nullopt;
    JournalFingerprint fingerprint;
    fingerprint.header = Hex(header);
    fingerprint.size = static_cast<std::uintmax_t>(status.st_size);
    fingerprint.inode = static_cast<std::uint64_t>(status.st_ino);
    fingerprint.modifiedNs = Nanoseconds(status.st_mtim);
    fingerprint.changedNs = Nanoseconds(status.st_ctim);
    fingerprint.takenNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::system_clock::now().time_since_epoch())
                              .count();
    return fingerprint;
}

std::optional<JournalFingerprint> JournalFingerprint::Parse(const std::string& text)
{
    std::istringstream stream(text);
    JournalFingerprint fingerprint;
    if (!(stream >> fingerprint.header >> fingerprint.size >> fingerprint.inode >> fingerprint.modifiedNs
            >> fingerprint.changedNs >> fingerprint.takenNs)
        || fingerprint.header.size() != 2 * kHeaderSize)
        return std::nullopt;
    return fingerprint;
}

std::string JournalFingerprint::Text() const
{
    std::ostringstream stream;
    stream << header << ' ' << size << ' ' << inode << ' ' << modifiedNs << ' ' << changedNs << ' ' << takenNs;
    return stream.str();
}

bool JournalFingerprint::Unchanged(const JournalFingerprint& now) const
{
    // A write sets the modification time to its moment, which differs from a time this old.
    return modifiedNs + kSettleNs < takenNs && header == now.header
        && size == now.size && inode == now.inode && modifiedNs == now.modifiedNs && changedNs == now.changedNs;
}
