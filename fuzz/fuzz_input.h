// Turns a fuzzer's bytes into the values a target needs: whole numbers and
// doubles that lean on the edges (zero, negatives, the largest values, NaN,
// infinities) as often as on ordinary values. Once the bytes run out every
// value reads as 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>

namespace fuzz {

class FuzzInput {
public:
  FuzzInput(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return pos_ >= size_; }
  std::uint8_t byte() { return empty() ? 0 : data_[pos_++]; }

  std::int32_t whole() {
    static constexpr std::int32_t kEdges[] = {0,
                                              1,
                                              -1,
                                              2,
                                              std::numeric_limits<std::int32_t>::max(),
                                              std::numeric_limits<std::int32_t>::min(),
                                              1 << 16,
                                              -(1 << 16)};
    switch (byte() % 4) {
    case 0:
      return byte() % 16;
    case 1:
      return static_cast<std::int8_t>(byte());
    case 2:
      return kEdges[byte() % std::size(kEdges)];
    default:
      return static_cast<std::int32_t>(raw<std::uint32_t>());
    }
  }

  double real() {
    static constexpr double kEdges[] = {0.0,
                                        -0.0,
                                        std::numeric_limits<double>::quiet_NaN(),
                                        std::numeric_limits<double>::infinity(),
                                        -std::numeric_limits<double>::infinity(),
                                        std::numeric_limits<double>::max(),
                                        -std::numeric_limits<double>::max(),
                                        std::numeric_limits<double>::denorm_min()};
    static constexpr double kOrdinary[] = {1.0, 0.05, 200.0, 1024.0, 2.0, 1412.0, 2048.0, 1e4};
    switch (byte() % 4) {
    case 0:
      return kOrdinary[byte() % std::size(kOrdinary)] * (1 + byte() % 4);
    case 1:
      return kEdges[byte() % std::size(kEdges)];
    case 2:
      return static_cast<std::int8_t>(byte()) * 100.0;
    default:
      return raw<double>();
    }
  }

private:
  template <typename T> T raw() {
    unsigned char bytes[sizeof(T)] = {};
    for (unsigned char &b : bytes)
      b = byte();
    T value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
  }

  const std::uint8_t *data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

} // namespace fuzz
