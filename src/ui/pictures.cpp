#include "ui/pictures.hpp"

#include <array>
#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <thread>

#include "ui/picture_io.hpp"

namespace vantoro {

namespace {

constexpr std::size_t kCount = kPictures.size();

std::string WrongSize(const std::filesystem::path& file, int width, int height, const PictureInfo& info) {
  return file.string() + ": the picture is " + std::to_string(width) + " x " + std::to_string(height) +
         ", expected " + std::to_string(info.Width) + " x " + std::to_string(info.Height);
}

}  // namespace

// Shared with the worker thread, on the heap so that a PictureSet can move
// while the worker runs. Until the worker is joined, the main thread reads
// only the pictures marked Ready and the worker writes only the others.
struct PictureSet::Work {
  std::filesystem::path Folder;
  std::array<Image, kCount> Images;
  std::array<std::vector<std::uint8_t>, kCount> Bytes;
  std::array<bool, kCount> Ready{};
  std::string Error;  // the worker's first failure; read after the join
  std::atomic<bool> Stop{false};
  std::thread Worker;

  bool Decode(const PictureInfo& info, std::string& error) {
    const auto i = static_cast<std::size_t>(info.Id);
    std::string reason;
    Image image;
    if (!DecodeJpeg(Bytes[i], image, reason)) {
      error = (Folder / info.File).string() + ": " + reason;
      return false;
    }
    // The header promised the size, but the body decides it.
    if (image.Width != info.Width || image.Height != info.Height) {
      error = WrongSize(Folder / info.File, image.Width, image.Height, info);
      return false;
    }
    Images[i] = std::move(image);
    Bytes[i] = {};
    return true;
  }

  void DecodeRest() {
    for (const PictureInfo& info : kPictures) {
      if (Stop.load(std::memory_order_relaxed)) return;
      const auto i = static_cast<std::size_t>(info.Id);
      if (!Ready[i] && !Decode(info, Error)) return;
    }
  }

  // Called from the main thread only.
  void Join() {
    if (Worker.joinable()) Worker.join();
    Ready.fill(true);
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
  Work& w = *work_;
  w.Join();
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
    w.Ready[i] = false;
  }
  for (const PictureId id : first) {
    const auto i = static_cast<std::size_t>(id);
    if (i >= kCount || w.Ready[i]) continue;
    if (!w.Decode(kPictures[i], error)) return false;
    w.Ready[i] = true;
  }
  w.Worker = std::thread([&w] { w.DecodeRest(); });
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
  if (!w.Ready[i]) w.Join();
  if (!w.Error.empty()) throw std::runtime_error(w.Error);
  return w.Images[i];
}

void PictureSet::Put(PictureId id, Image image) {
  const auto i = static_cast<std::size_t>(id);
  if (i >= kCount) return;
  work_->Join();
  work_->Images[i] = std::move(image);
}

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
