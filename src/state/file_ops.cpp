#include "state/file_ops.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vantoro {
namespace {

int ErrnoOr0(int result) { return result < 0 ? errno : 0; }

class PosixFileOps final : public FileOps {
 public:
  int OpenRead(const std::filesystem::path& path, int& fd) override {
    // O_NONBLOCK keeps a FIFO in place of a save from hanging the game; it
    // changes nothing for regular files, and the caller rejects the rest.
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    return ErrnoOr0(fd);
  }

  int OpenWrite(const std::filesystem::path& path, int& fd) override {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
    return ErrnoOr0(fd);
  }

  int Write(int fd, std::span<const std::byte> data, std::size_t& written) override {
    written = 0;
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) return errno;
    written = static_cast<std::size_t>(n);
    return 0;
  }

  int Read(int fd, std::span<std::byte> buffer, std::size_t& got) override {
    got = 0;
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    if (n < 0) return errno;
    got = static_cast<std::size_t>(n);
    return 0;
  }

  int Status(int fd, FileStatus& status) override {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errno;
    status.Regular = S_ISREG(st.st_mode);
    status.Directory = S_ISDIR(st.st_mode);
    status.Size = st.st_size > 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    return 0;
  }

  int Sync(int fd) override { return ErrnoOr0(::fsync(fd)); }

  int Close(int fd) override {
    // On Linux the descriptor is gone even when close reports EINTR, and
    // retrying could close a descriptor opened meanwhile.
    const int error = ErrnoOr0(::close(fd));
    return error == EINTR ? 0 : error;
  }

  int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return ErrnoOr0(::rename(from.c_str(), to.c_str()));
  }

  int Remove(const std::filesystem::path& path) override { return ErrnoOr0(::unlink(path.c_str())); }

  int SyncDirectory(const std::filesystem::path& dir) override {
    const std::filesystem::path target = dir.empty() ? std::filesystem::path(".") : dir;
    const int fd = ::open(target.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int error = ErrnoOr0(::fsync(fd));
    const int closeError = ErrnoOr0(::close(fd));
    if (error != 0) return error;
    return closeError == EINTR ? 0 : closeError;
  }
};

}  // namespace

FileOps& RealFileOps() {
  static PosixFileOps ops;
  return ops;
}

}  // namespace vantoro
