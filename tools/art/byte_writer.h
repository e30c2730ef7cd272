#pragma once

#include <cstdint>
#include <vector>

namespace art {

// Little-endian output, the byte order of every Windows picture format.
class ByteWriter {
  public:
    void u8(uint32_t value);
    void u16(uint32_t value);
    void u32(uint32_t value);
    void i32(int32_t value);
    void bytes(const std::vector<uint8_t>& data);

    const std::vector<uint8_t>& data() const { return data_; }

  private:
    std::vector<uint8_t> data_;
};

} // namespace art
