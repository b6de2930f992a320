#include "ui/pictures.hpp"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <thread>

#include "ui/picture_io.hpp"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vantoro {

namespace {

constexpr std::size_t kCount = kPictures.size();

std::string WrongSize(const std::filesystem::path& file, int width, int height, const PictureInfo& info) {
  return file.string() + ": the picture is " + std::to_string(width) + " x " + std::to_string(height) +
         ", expected " + std::to_string(info.Width) + " x " + std::to_string(info.Height);
}

}  // namespace

// Shared with the worker thread, on the heap so that a PictureSet can move
// while the worker runs. The worker only reads the files' bytes, decoding
// each body a row at a time and keeping none of it: it proves the bodies
// sound while the title shows. The main thread decodes a picture the first
// time it is asked for and keeps it until Trim lets it go, so that
// pictures never seen take no memory; the bytes stay for the next time.
struct PictureSet::Work {
  std::filesystem::path Folder;
  std::array<Image, kCount> Images;
  std::array<std::vector<std::uint8_t>, kCount> Bytes;
  std::array<bool, kCount> Ready{};  // decoded, or never to be: main thread only
  std::array<std::int64_t, kCount> LastUse{};
  std::int64_t Now = 0;  // as of the last Trim
  std::size_t Held = 0;  // bytes of decoded pictures that can be decoded again
  std::string Error;     // the worker's first failure; read after the join
  std::atomic<bool> Stop{false};
  std::vector<std::size_t> Pending;  // for the worker, once it starts
  bool Started = false;
  std::thread Worker;

  // Into `image`, or with none only checked; false with the file's name
  // and the reason.
  bool Decode(const PictureInfo& info, Image* image, std::string& error) const {
    std::string reason;
    const auto i = static_cast<std::size_t>(info.Id);
    int width = 0, height = 0;
    const bool sound =
        image != nullptr ? DecodeJpeg(Bytes[i], *image, reason) : CheckJpeg(Bytes[i], width, height, reason);
    if (!sound) {
      error = (Folder / info.File).string() + ": " + reason;
      return false;
    }
    if (image != nullptr) {
      width = image->Width;
      height = image->Height;
    }
    // The header promised the size, but the body decides it.
    if (width != info.Width || height != info.Height) {
      error = WrongSize(Folder / info.File, width, height, info);
      return false;
    }
    return true;
  }

  static std::size_t SizeOf(const Image& image) { return image.Pixels.size() * sizeof(image.Pixels[0]); }

  // On the main thread: the picture from its bytes, which stay.
  bool Keep(const PictureInfo& info, std::string& error) {
    const auto i = static_cast<std::size_t>(info.Id);
    if (!Decode(info, &Images[i], error)) return false;
    Ready[i] = true;
    Held += SizeOf(Images[i]);
    return true;
  }

  void CheckBodies() {
    for (const std::size_t i : Pending) {
      if (Stop.load(std::memory_order_relaxed)) return;
      if (!Decode(kPictures[i], nullptr, Error)) return;
    }
  }

  // These from the main thread only. The worker starts after the first
  // frame is shown, so that it takes no time from it.
  void Start() {
    if (Started) return;
    Started = true;
    if (!Pending.empty()) Worker = std::thread([this] { CheckBodies(); });
  }
  void Join() {
    Start();
    if (Worker.joinable()) Worker.join();
  }

  ~Work() {
    // A game closed on its title does not wait for pictures it never shows.
    Stop = true;
    if (Worker.joinable()) Worker.join();
  }
};

PictureSet::PictureSet() : work_(std::make_unique<Work>()) { work_->Ready.fill(true); }
PictureSet::~PictureSet() = default;
PictureSet::PictureSet(PictureSet&&) noexcept = default;
PictureSet& PictureSet::operator=(PictureSet&&) noexcept = default;

bool PictureSet::Open(const std::filesystem::path& folder, std::span<const PictureId> first,
                      std::string& error) {
  work_ = std::make_unique<Work>();
  Work& w = *work_;
  w.Folder = folder;
  for (const PictureInfo& info : kPictures) {
    const auto i = static_cast<std::size_t>(info.Id);
    const std::filesystem::path file = folder / info.File;
    if (!ReadPictureFile(file, w.Bytes[i], error)) return false;
    int width = 0, height = 0;
    std::string reason;
    if (!JpegSize(w.Bytes[i], width, height, reason)) {
      error = file.string() + ": " + reason;
      return false;
    }
    // The screens place every picture by its listed size.
    if (width != info.Width || height != info.Height) {
      error = WrongSize(file, width, height, info);
      return false;
    }
  }
  for (const PictureId id : first) {
    const auto i = static_cast<std::size_t>(id);
    if (i < kCount && !w.Ready[i] && !w.Keep(kPictures[i], error)) return false;
  }
  for (std::size_t i = 0; i < kCount; ++i) {
    if (!w.Ready[i]) w.Pending.push_back(i);
  }
  return true;
}

bool PictureSet::Finish(std::string& error) {
  work_->Join();
  if (work_->Error.empty()) return true;
  error = work_->Error;
  return false;
}

const Image& PictureSet::Get(PictureId id) const {
  static const Image kNone;
  const auto i = static_cast<std::size_t>(id);
  if (i >= kCount) return kNone;
  Work& w = *work_;
  w.LastUse[i] = w.Now;
  if (w.Ready[i]) return w.Images[i];
  // Past the title's own pictures, every body must have proved sound.
  w.Join();
  if (!w.Error.empty()) throw std::runtime_error(w.Error);
  std::string error;
  if (!w.Ready[i] && !w.Keep(kPictures[i], error)) throw std::runtime_error(error);
  return w.Images[i];
}

void PictureSet::Put(PictureId id, Image image) {
  const auto i = static_cast<std::size_t>(id);
  if (i >= kCount) return;
  Work& w = *work_;
  w.Join();
  // Without bytes it can never be decoded again, so Trim keeps it.
  if (!w.Bytes[i].empty() && w.Ready[i]) w.Held -= Work::SizeOf(w.Images[i]);
  w.Images[i] = std::move(image);
  w.Bytes[i] = {};
  w.Ready[i] = true;
}

bool PictureSet::Trim(std::int64_t now, std::size_t keepBytes) {
  Work& w = *work_;
  w.Start();
  w.Now = now;
  if (w.Held <= keepBytes) return false;
  std::vector<std::size_t> unseen;
  for (std::size_t i = 0; i < kCount; ++i) {
    if (w.Ready[i] && !w.Bytes[i].empty() && !w.Images[i].Pixels.empty() && now - w.LastUse[i] >= kUnseenMs)
      unseen.push_back(i);
  }
  if (unseen.empty()) return false;
  std::ranges::sort(unseen, [&](std::size_t a, std::size_t b) { return w.LastUse[a] < w.LastUse[b]; });
  for (const std::size_t i : unseen) {
    if (w.Held <= keepBytes) break;
    w.Held -= Work::SizeOf(w.Images[i]);
    w.Images[i] = Image{};
    w.Ready[i] = false;
  }
#if defined(__GLIBC__)
  // Pictures that came from the heap rather than their own mappings leave
  // free pages behind that the allocator would otherwise keep resident.
  malloc_trim(0);
#endif
  return true;
}

std::size_t PictureSet::HeldBytes() const { return work_->Held; }

std::vector<std::filesystem::path> AssetFolderCandidates(const std::filesystem::path& executable) {
  const std::filesystem::path dir = executable.parent_path();
  const std::filesystem::path installed = std::filesystem::path("share") / "games" / "vantoro" / "assets";
  std::vector<std::filesystem::path> candidates;
  for (const auto& candidate :
       {dir / ".." / "assets", dir / ".." / installed, dir / ".." / ".." / ".." / installed})
    candidates.push_back(candidate.lexically_normal());
  return candidates;
}

bool FindAssetFolder(const std::filesystem::path& executable, std::filesystem::path& folder,
                     std::string& error) {
  const auto candidates = AssetFolderCandidates(executable);
  for (const auto& candidate : candidates) {
    std::error_code ec;
    if (std::filesystem::is_directory(candidate, ec)) {
      folder = candidate;
      return true;
    }
  }
  error = "cannot find the pictures: no folder ";
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (i > 0) error += i + 1 == candidates.size() ? " or " : ", ";
    error += candidates[i].string();
  }
  return false;
}

}  // namespace vantoro
