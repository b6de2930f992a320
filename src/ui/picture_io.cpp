#include "ui/picture_io.hpp"

// libjpeg and libpng report errors by longjmp. Every function below that calls
// setjmp is a plain one: its locals are trivially destructible and none of
// them is changed after setjmp and read after the jump. Everything with a
// destructor lives in the caller, which never sees a jump.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

// clang-format off
#include <cstdio>  // before jpeglib.h, which needs FILE
#include <jpeglib.h>
#include <jerror.h>
#include <png.h>
// clang-format on

namespace vantoro {

namespace {

// Far beyond any 4096 x 4096 JPEG the game could use, small enough to read.
constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;
// Progressive files can hold endless tiny scans; real ones have about ten.
constexpr int kMaxScans = 256;
constexpr char kEndsEarly[] = "the picture data ends early";

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string Named(const std::filesystem::path& file, std::string_view reason) {
  return file.string() + ": " + std::string(reason);
}

std::string SystemReason() { return std::strerror(errno); }

// Opens a file to read only when it is a regular file: a FIFO or a device
// in a picture's place would otherwise block start-up for ever. O_NONBLOCK
// makes the open itself return at once and changes nothing for files.
FilePtr OpenRegularFile(const std::filesystem::path& file, std::string& reason) {
  errno = 0;
  const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    reason = SystemReason();
    return nullptr;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    reason = SystemReason();
    ::close(fd);
    return nullptr;
  }
  if (!S_ISREG(st.st_mode)) {
    reason = S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "it is not a regular file";
    ::close(fd);
    return nullptr;
  }
  FilePtr f(::fdopen(fd, "rb"));
  if (!f) {
    reason = SystemReason();
    ::close(fd);
  }
  return f;
}

bool ReadWholeFile(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes, std::string& reason) {
  const FilePtr f = OpenRegularFile(file, reason);
  if (!f) return false;
  // Sized by the file as it is now, one byte over to see the end at once;
  // a file that grows meanwhile is read on in chunks.
  struct stat st {};
  const bool sized = ::fstat(::fileno(f.get()), &st) == 0 && st.st_size >= 0 &&
                     static_cast<std::uint64_t>(st.st_size) <= kMaxFileBytes;
  const std::size_t expected = sized ? static_cast<std::size_t>(st.st_size) + 1 : 0;
  constexpr std::size_t kChunk = std::size_t{1} << 16;
  bytes.clear();
  bytes.shrink_to_fit();
  for (std::size_t want = std::max(expected, std::size_t{1});; want = kChunk) {
    if (bytes.size() > kMaxFileBytes) {
      reason = "the file is too large to be a picture";
      return false;
    }
    const std::size_t old = bytes.size();
    bytes.resize(old + want);
    const std::size_t got = std::fread(bytes.data() + old, 1, want, f.get());
    bytes.resize(old + got);
    if (got == want) continue;
    if (std::ferror(f.get())) {
      reason = SystemReason();
      return false;
    }
    bytes.shrink_to_fit();
    return true;
  }
}

bool SizeInRange(long long width, long long height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide;
}

bool ImageIsWhole(const Image& image) {
  return image.Width > 0 && image.Height > 0 &&
         image.Pixels.size() ==
             static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height);
}

void PackRow(const std::uint32_t* pixels, int width, std::uint8_t* rgb) {
  for (int x = 0; x < width; ++x) {
    rgb[3 * x] = static_cast<std::uint8_t>(pixels[x] >> 16);
    rgb[3 * x + 1] = static_cast<std::uint8_t>(pixels[x] >> 8);
    rgb[3 * x + 2] = static_cast<std::uint8_t>(pixels[x]);
  }
}

void UnpackRow(const std::uint8_t* rgb, int width, std::uint32_t* pixels) {
  for (int x = 0; x < width; ++x) {
    pixels[x] = (std::uint32_t{rgb[3 * x]} << 16) | (std::uint32_t{rgb[3 * x + 1]} << 8) | rgb[3 * x + 2];
  }
}

// ---- JPEG ------------------------------------------------------------------

struct JpegErrors {
  jpeg_error_mgr Manager;  // first: libjpeg hands back a pointer to it
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JpegAbandon(JpegErrors& errors, const char* reason) {
  std::snprintf(errors.Message, sizeof errors.Message, "%s", reason);
  std::longjmp(errors.Jump, 1);
}

[[noreturn]] void JpegFail(j_common_ptr info) {
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  info->err->format_message(info, errors->Message);
  std::longjmp(errors->Jump, 1);
}

// libjpeg would pad a cut-off file with grey and carry on; a player who
// replaced a picture should hear that it is incomplete. Other warnings
// (stray bytes between markers) leave a usable picture and stay quiet.
void JpegMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
    JpegAbandon(*reinterpret_cast<JpegErrors*>(info->err), kEndsEarly);
  }
}

struct JpegProgress {
  jpeg_progress_mgr Manager;  // first, as above
  const jpeg_decompress_struct* Info;
  JpegErrors* Errors;
};

void JpegCheckScans(j_common_ptr info) {
  const auto* progress = reinterpret_cast<JpegProgress*>(info->progress);
  if (progress->Info->input_scan_number > kMaxScans)
    JpegAbandon(*progress->Errors, "the picture has too many scans");
}

void InitJpegErrors(JpegErrors& errors) {
  jpeg_std_error(&errors.Manager);
  errors.Manager.error_exit = JpegFail;
  errors.Manager.emit_message = JpegMessage;
  errors.Message[0] = '\0';
}

struct JpegDecoder {
  jpeg_decompress_struct Info{};
  JpegErrors Errors{};
  JpegProgress Progress{};

  JpegDecoder() {
    InitJpegErrors(Errors);
    Info.err = &Errors.Manager;
    Progress.Manager.progress_monitor = JpegCheckScans;
    Progress.Info = &Info;
    Progress.Errors = &Errors;
  }
  // Safe even when creation failed: the struct starts zeroed.
  ~JpegDecoder() { jpeg_destroy_decompress(&Info); }
  JpegDecoder(const JpegDecoder&) = delete;
  JpegDecoder& operator=(const JpegDecoder&) = delete;
};

// The header read and checked; with `start`, on to the point where libjpeg
// knows the size and would start allocating.
bool StartJpeg(JpegDecoder& d, const std::uint8_t* data, std::size_t size, bool start) {
  if (setjmp(d.Errors.Jump) != 0) return false;
  jpeg_create_decompress(&d.Info);
  d.Info.progress = &d.Progress.Manager;
  jpeg_mem_src(&d.Info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&d.Info, TRUE);
  if (d.Info.jpeg_color_space == JCS_CMYK || d.Info.jpeg_color_space == JCS_YCCK) {
    JpegAbandon(d.Errors, "unsupported colour space (CMYK)");
  }
  if (!SizeInRange(d.Info.image_width, d.Info.image_height)) {
    std::snprintf(d.Errors.Message, sizeof d.Errors.Message,
                  "the picture size %u x %u is out of range (at most %d)", d.Info.image_width,
                  d.Info.image_height, kMaxPictureSide);
    std::longjmp(d.Errors.Jump, 1);
  }
  if (!start) return true;
  d.Info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&d.Info);
  if (d.Info.output_components != 3) JpegAbandon(d.Errors, "unsupported colour space");
  return true;
}

// The decoder started on a file's bytes, or false with the reason.
bool OpenJpeg(JpegDecoder& d, std::span<const std::uint8_t> data, bool start, std::string& error) {
  if (data.empty()) {
    error = "the file is empty";
    return false;
  }
  if (StartJpeg(d, data.data(), data.size(), start)) return true;
  error = d.Errors.Message;
  return false;
}

// With no pixels, the rows are decoded and dropped: the body is checked.
bool ReadJpegRows(JpegDecoder& d, std::uint8_t* row, std::uint32_t* pixels) {
  if (setjmp(d.Errors.Jump) != 0) return false;
  const int width = static_cast<int>(d.Info.output_width);
  while (d.Info.output_scanline < d.Info.output_height) {
    const std::size_t y = d.Info.output_scanline;
    JSAMPROW rows[1] = {row};
    if (jpeg_read_scanlines(&d.Info, rows, 1) != 1) JpegAbandon(d.Errors, kEndsEarly);
    if (pixels != nullptr) UnpackRow(row, width, pixels + y * static_cast<std::size_t>(width));
  }
  jpeg_finish_decompress(&d.Info);
  return true;
}

struct JpegEncoder {
  jpeg_compress_struct Info{};
  JpegErrors Errors{};

  JpegEncoder() {
    InitJpegErrors(Errors);
    Info.err = &Errors.Manager;
  }
  ~JpegEncoder() { jpeg_destroy_compress(&Info); }
  JpegEncoder(const JpegEncoder&) = delete;
  JpegEncoder& operator=(const JpegEncoder&) = delete;
};

bool WriteJpeg(JpegEncoder& e, std::FILE* file, const Image& image, int quality, ChromaSampling chroma,
               std::uint8_t* row) {
  if (setjmp(e.Errors.Jump) != 0) return false;
  jpeg_create_compress(&e.Info);
  jpeg_stdio_dest(&e.Info, file);
  e.Info.image_width = static_cast<JDIMENSION>(image.Width);
  e.Info.image_height = static_cast<JDIMENSION>(image.Height);
  e.Info.input_components = 3;
  e.Info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&e.Info);
  jpeg_set_quality(&e.Info, quality, TRUE);
  e.Info.optimize_coding = TRUE;
  if (chroma == ChromaSampling::Full) {
    e.Info.comp_info[0].h_samp_factor = 1;
    e.Info.comp_info[0].v_samp_factor = 1;
  }
  jpeg_start_compress(&e.Info, TRUE);
  while (e.Info.next_scanline < e.Info.image_height) {
    PackRow(image.Pixels.data() + image.Index(0, static_cast<int>(e.Info.next_scanline)), image.Width, row);
    JSAMPROW rows[1] = {row};
    jpeg_write_scanlines(&e.Info, rows, 1);
  }
  jpeg_finish_compress(&e.Info);
  return true;
}

// ---- PNG -------------------------------------------------------------------

struct PngErrors {
  char Message[256];
};

[[noreturn]] void PngFail(png_structp png, png_const_charp message) {
  auto* errors = static_cast<PngErrors*>(png_get_error_ptr(png));
  std::snprintf(errors->Message, sizeof errors->Message, "%s", message);
  png_longjmp(png, 1);
}

void PngWarn(png_structp, png_const_charp) {}

struct PngWriter {
  PngErrors Errors{};
  png_structp Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &Errors, PngFail, PngWarn);
  png_infop Info = Png != nullptr ? png_create_info_struct(Png) : nullptr;

  ~PngWriter() { png_destroy_write_struct(&Png, &Info); }
  PngWriter(const PngWriter&) = delete;
  PngWriter& operator=(const PngWriter&) = delete;
  PngWriter() = default;
};

struct PngReader {
  PngErrors Errors{};
  png_structp Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &Errors, PngFail, PngWarn);
  png_infop Info = Png != nullptr ? png_create_info_struct(Png) : nullptr;

  ~PngReader() { png_destroy_read_struct(&Png, &Info, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;
  PngReader() = default;
};

// `alpha` empty: RGB; otherwise one opacity per pixel, RGBA.
bool WritePng(PngWriter& w, std::FILE* file, const Image& image, std::span<const std::uint8_t> alpha,
              std::uint8_t* row) {
  if (setjmp(png_jmpbuf(w.Png)) != 0) return false;
  png_init_io(w.Png, file);
  png_set_IHDR(w.Png, w.Info, static_cast<png_uint_32>(image.Width), static_cast<png_uint_32>(image.Height),
               8, alpha.empty() ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(w.Png, w.Info);
  for (int y = 0; y < image.Height; ++y) {
    const std::uint32_t* pixels = image.Pixels.data() + image.Index(0, y);
    if (alpha.empty()) {
      PackRow(pixels, image.Width, row);
    } else {
      for (int x = 0; x < image.Width; ++x) {
        row[4 * x] = static_cast<std::uint8_t>(pixels[x] >> 16);
        row[4 * x + 1] = static_cast<std::uint8_t>(pixels[x] >> 8);
        row[4 * x + 2] = static_cast<std::uint8_t>(pixels[x]);
        row[4 * x + 3] = alpha[image.Index(x, y)];
      }
    }
    png_write_row(w.Png, row);
  }
  png_write_end(w.Png, nullptr);
  return true;
}

// Reads the header and asks libpng for plain 8-bit RGB whatever the file holds.
bool StartPng(PngReader& r, std::FILE* file, png_uint_32& width, png_uint_32& height) {
  if (setjmp(png_jmpbuf(r.Png)) != 0) return false;
  png_init_io(r.Png, file);
  png_set_user_limits(r.Png, kMaxPictureSide, kMaxPictureSide);
  png_read_info(r.Png, r.Info);
  png_set_expand(r.Png);
  png_set_strip_16(r.Png);
  png_set_strip_alpha(r.Png);
  png_set_gray_to_rgb(r.Png);
  png_set_interlace_handling(r.Png);
  png_read_update_info(r.Png, r.Info);
  width = png_get_image_width(r.Png, r.Info);
  height = png_get_image_height(r.Png, r.Info);
  if (!SizeInRange(width, height)) png_error(r.Png, "the picture size is out of range");
  if (png_get_channels(r.Png, r.Info) != 3 || png_get_bit_depth(r.Png, r.Info) != 8 ||
      png_get_rowbytes(r.Png, r.Info) != std::size_t{width} * 3) {
    png_error(r.Png, "unsupported pixel format");
  }
  return true;
}

bool ReadPngRows(PngReader& r, png_bytepp rows) {
  if (setjmp(png_jmpbuf(r.Png)) != 0) return false;
  png_read_image(r.Png, rows);
  png_read_end(r.Png, nullptr);
  return true;
}

// Opens for writing; on failure error names the file.
FilePtr CreateFile(const std::filesystem::path& file, std::string& error) {
  errno = 0;
  FilePtr f(std::fopen(file.c_str(), "wb"));
  if (!f) error = Named(file, SystemReason());
  return f;
}

// Closes the file and keeps it only when everything reached the disk.
bool FinishFile(FilePtr f, const std::filesystem::path& file, bool written, const std::string& reason,
                std::string& error) {
  errno = 0;
  const bool closed = std::fclose(f.release()) == 0;
  if (written && closed) return true;
  error = Named(file, written ? SystemReason() : reason);
  std::error_code ignored;
  std::filesystem::remove(file, ignored);
  return false;
}

}  // namespace

bool DecodeJpeg(std::span<const std::uint8_t> data, Image& out, std::string& error) {
  JpegDecoder decoder;
  if (!OpenJpeg(decoder, data, true, error)) return false;
  Image image(static_cast<int>(decoder.Info.output_width), static_cast<int>(decoder.Info.output_height));
  std::vector<std::uint8_t> row(static_cast<std::size_t>(image.Width) * 3);
  if (!ReadJpegRows(decoder, row.data(), image.Pixels.data())) {
    error = decoder.Errors.Message;
    return false;
  }
  out = std::move(image);
  return true;
}

bool ReadPictureFile(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes,
                     std::string& error) {
  std::string reason;
  if (ReadWholeFile(file, bytes, reason)) return true;
  error = Named(file, reason);
  return false;
}

bool JpegSize(std::span<const std::uint8_t> data, int& width, int& height, std::string& error) {
  JpegDecoder decoder;
  if (!OpenJpeg(decoder, data, false, error)) return false;
  width = static_cast<int>(decoder.Info.image_width);
  height = static_cast<int>(decoder.Info.image_height);
  return true;
}

bool CheckJpeg(std::span<const std::uint8_t> data, int& width, int& height, std::string& error) {
  JpegDecoder decoder;
  if (!OpenJpeg(decoder, data, true, error)) return false;
  std::vector<std::uint8_t> row(static_cast<std::size_t>(decoder.Info.output_width) * 3);
  if (!ReadJpegRows(decoder, row.data(), nullptr)) {
    error = decoder.Errors.Message;
    return false;
  }
  width = static_cast<int>(decoder.Info.output_width);
  height = static_cast<int>(decoder.Info.output_height);
  return true;
}

bool DecodeJpegFile(const std::filesystem::path& file, Image& out, std::string& error) {
  std::vector<std::uint8_t> bytes;
  std::string reason;
  if (!ReadWholeFile(file, bytes, reason) || !DecodeJpeg(bytes, out, reason)) {
    error = Named(file, reason);
    return false;
  }
  return true;
}

bool EncodeJpegFile(const std::filesystem::path& file, const Image& image, int quality, std::string& error) {
  return EncodeJpegFile(file, image, quality, ChromaSampling::Half, error);
}

bool EncodeJpegFile(const std::filesystem::path& file, const Image& image, int quality, ChromaSampling chroma,
                    std::string& error) {
  if (!ImageIsWhole(image) || image.Width > JPEG_MAX_DIMENSION || image.Height > JPEG_MAX_DIMENSION) {
    error = Named(file, "the picture has no pixels or is too large");
    return false;
  }
  FilePtr f = CreateFile(file, error);
  if (!f) return false;
  JpegEncoder encoder;
  std::vector<std::uint8_t> row(static_cast<std::size_t>(image.Width) * 3);
  const bool written = WriteJpeg(encoder, f.get(), image, std::clamp(quality, 1, 100), chroma, row.data());
  return FinishFile(std::move(f), file, written, encoder.Errors.Message, error);
}

bool WritePngFile(const std::filesystem::path& file, const Image& image, std::string& error) {
  return WritePngFile(file, image, {}, error);
}

bool WritePngFile(const std::filesystem::path& file, const Image& image, std::span<const std::uint8_t> alpha,
                  std::string& error) {
  if (!alpha.empty() && alpha.size() != image.Pixels.size()) {
    error = Named(file, "the opacity does not match the picture");
    return false;
  }
  if (!ImageIsWhole(image)) {
    error = Named(file, "the picture has no pixels");
    return false;
  }
  PngWriter writer;
  if (writer.Info == nullptr) {
    error = Named(file, "out of memory");
    return false;
  }
  FilePtr f = CreateFile(file, error);
  if (!f) return false;
  std::vector<std::uint8_t> row(static_cast<std::size_t>(image.Width) * (alpha.empty() ? 3 : 4));
  const bool written = WritePng(writer, f.get(), image, alpha, row.data());
  return FinishFile(std::move(f), file, written, writer.Errors.Message, error);
}

bool ReadPngFile(const std::filesystem::path& file, Image& out, std::string& error) {
  std::string reason;
  const FilePtr f = OpenRegularFile(file, reason);
  if (!f) {
    error = Named(file, reason);
    return false;
  }
  PngReader reader;
  if (reader.Info == nullptr) {
    error = Named(file, "out of memory");
    return false;
  }
  png_uint_32 width = 0, height = 0;
  if (!StartPng(reader, f.get(), width, height)) {
    error = Named(file, reader.Errors.Message);
    return false;
  }
  std::vector<std::uint8_t> rgb(std::size_t{width} * height * 3);
  std::vector<png_bytep> rows(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = rgb.data() + std::size_t{y} * width * 3;
  if (!ReadPngRows(reader, rows.data())) {
    error = Named(file, reader.Errors.Message);
    return false;
  }
  Image image(static_cast<int>(width), static_cast<int>(height));
  for (int y = 0; y < image.Height; ++y)
    UnpackRow(rows[static_cast<std::size_t>(y)], image.Width, &image.Pixels[image.Index(0, y)]);
  out = std::move(image);
  return true;
}

}  // namespace vantoro
