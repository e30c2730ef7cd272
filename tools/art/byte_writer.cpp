#include "art/byte_writer.h"

#include <stdexcept>

namespace art {

namespace {

void requireFits(uint32_t value, int bits) {
    if (bits < 32 && value >> bits != 0) {
        throw std::out_of_range("value does not fit its field");
    }
}

} // namespace

void ByteWriter::u8(uint32_t value) {
    requireFits(value, 8);
    data_.push_back(static_cast<uint8_t>(value));
}

void ByteWriter::u16(uint32_t value) {
    requireFits(value, 16);
    u8(value & 0xFF);
    u8(value >> 8);
}

void ByteWriter::u32(uint32_t value) {
    u16(value & 0xFFFF);
    u16(value >> 16);
}

void ByteWriter::i32(int32_t value) {
    u32(static_cast<uint32_t>(value));
}

void ByteWriter::bytes(const std::vector<uint8_t>& data) {
    data_.insert(data_.end(), data.begin(), data.end());
}

} // namespace art
