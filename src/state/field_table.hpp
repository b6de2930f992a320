#pragma once
// Every named field of the two records with its place in the byte image.
// The table drives the JSON dump, the driver's set and expect, and the save
// inspector, so names here are the names players' tools use.

#include <cstddef>
#include <span>
#include <string_view>

namespace vantoro {

enum class FieldType { Int32, Text50 };

struct FieldInfo {
  std::string_view Name;
  std::size_t Offset;
  FieldType Type;
  int Count;    // elements of the first index; 0 for a single value
  int Columns;  // elements of the second index; 0 unless two-dimensional

  std::size_t ElementSize() const { return Type == FieldType::Int32 ? 4 : 51; }
  int Elements() const { return (Count == 0 ? 1 : Count) * (Columns == 0 ? 1 : Columns); }
  std::size_t Size() const { return ElementSize() * static_cast<std::size_t>(Elements()); }
};

// Bytes of a record that no named field covers.
struct LayoutHole {
  std::size_t Offset;
  std::size_t Size;
  bool Reserved;  // a reserved word, zero in a new game; otherwise an alignment gap
};

// In offset order.
std::span<const FieldInfo> TeamFields();
std::span<const FieldInfo> OppositionFields();
std::span<const LayoutHole> TeamHoles();
std::span<const LayoutHole> OppositionHoles();

const FieldInfo* FindField(std::span<const FieldInfo> fields, std::string_view name);

}  // namespace vantoro
