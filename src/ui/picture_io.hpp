#pragma once
// Pictures on disk: the artwork as JPEG (libjpeg-turbo), screenshots as PNG
// (libpng). Decoding never trusts the file: damaged data gives an error
// message, never a crash, and absurd sizes are refused before allocating.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "ui/image.hpp"

namespace vantoro {

inline constexpr int kMaxPictureSide = 4096;

// On failure, error holds the decoder's reason (without the file name) and
// out is left as it was.
bool DecodeJpeg(std::span<const std::uint8_t> data, Image& out, std::string& error);
// The whole file, read only when it is a regular file of a picture's size;
// on failure, error holds "<file name>: <reason>".
bool ReadPictureFile(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes, std::string& error);
// The size a JPEG's header gives, without decoding its body: cheap enough
// to check every picture before the first frame. On failure, error holds
// the decoder's reason.
bool JpegSize(std::span<const std::uint8_t> data, int& width, int& height, std::string& error);
// Decodes the whole body one row at a time and keeps none of it: proves a
// picture sound without the memory of holding it. Gives the size decoded.
bool CheckJpeg(std::span<const std::uint8_t> data, int& width, int& height, std::string& error);
// On failure, error holds "<file name>: <reason>".
bool DecodeJpegFile(const std::filesystem::path& file, Image& out, std::string& error);
// Colour detail kept by the encoder: Half (4:2:0) is the usual photograph
// trade; Full (4:4:4) keeps thin coloured lines and small lettering crisp.
enum class ChromaSampling { Half, Full };

// Quality 1..100; Huffman tables are optimised for each picture.
bool EncodeJpegFile(const std::filesystem::path& file, const Image& image, int quality, std::string& error);
bool EncodeJpegFile(const std::filesystem::path& file, const Image& image, int quality, ChromaSampling chroma,
                    std::string& error);

bool WritePngFile(const std::filesystem::path& file, const Image& image, std::string& error);
// With an opacity per pixel (row by row, 0 clear .. 255 opaque): RGBA.
bool WritePngFile(const std::filesystem::path& file, const Image& image, std::span<const std::uint8_t> alpha,
                  std::string& error);
bool ReadPngFile(const std::filesystem::path& file, Image& out, std::string& error);

}  // namespace vantoro
