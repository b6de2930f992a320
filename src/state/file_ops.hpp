#pragma once
// The file operations the save slot performs, behind one interface so that
// tests can make any single step fail or stop, as a full disk, a pulled
// cable or a killed process would.
//
// Every call returns 0 on success or the errno value of the failure. Write
// and Read are single system calls: they may move fewer bytes than asked
// or fail with EINTR, and the caller loops.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

namespace vantoro {

struct FileStatus {
  bool Regular = false;
  bool Directory = false;
  std::uint64_t Size = 0;
};

class FileOps {
 public:
  virtual ~FileOps() = default;

  // For reading; never blocks on a special file that names itself a save.
  virtual int OpenRead(const std::filesystem::path& path, int& fd) = 0;
  // Creates the file or truncates it, for writing.
  virtual int OpenWrite(const std::filesystem::path& path, int& fd) = 0;
  virtual int Write(int fd, std::span<const std::byte> data, std::size_t& written) = 0;
  virtual int Read(int fd, std::span<std::byte> buffer, std::size_t& got) = 0;
  virtual int Status(int fd, FileStatus& status) = 0;
  virtual int Sync(int fd) = 0;
  // The descriptor is released whatever the result.
  virtual int Close(int fd) = 0;
  virtual int Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual int Remove(const std::filesystem::path& path) = 0;
  // Makes the directory's entries (creations, renames, removals) durable.
  virtual int SyncDirectory(const std::filesystem::path& dir) = 0;
};

// The operating system's own operations.
FileOps& RealFileOps();

}  // namespace vantoro
