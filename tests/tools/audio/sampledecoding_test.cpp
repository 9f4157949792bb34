// Each sample coding converts to the float value that the formats define.
#include "tools/audio/audioreader.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

using namespace velmora::audio;

namespace {

struct DecodeCase
{
    std::string name;
    SampleCoding coding;
    unsigned bytes;
    bool bigEndian;
    std::vector<unsigned char> in;
    std::vector<float> expected;
};

std::vector<unsigned char> FloatBytesLe(float v)
{
    std::vector<unsigned char> out(4);
    std::memcpy(out.data(), &v, 4);
    return out;
}

TEST(SampleDecoding, EveryCodingGivesTheDefinedValues)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<unsigned char> floats;
    for (float v : {0.25f, -2.0f, nan}) {
        const auto b = FloatBytesLe(v);
        floats.insert(floats.end(), b.begin(), b.end());
    }
    const std::vector<DecodeCase> cases = {
        {"u8",
         SampleCoding::UnsignedInt,
         1,
         false,
         {0x00, 0x80, 0xFF},
         {-1.0f, 0.0f, 127 / 128.0f}},
        {"s8", SampleCoding::SignedInt, 1, true, {0x80, 0x00, 0x40}, {-1.0f, 0.0f, 0.5f}},
        {"s16 le", SampleCoding::SignedInt, 2, false, {0x00, 0x80, 0x00, 0x40}, {-1.0f, 0.5f}},
        {"s16 be", SampleCoding::SignedInt, 2, true, {0x80, 0x00, 0xC0, 0x00}, {-1.0f, -0.5f}},
        {"s24 le",
         SampleCoding::SignedInt,
         3,
         false,
         {0x00, 0x00, 0x40, 0xFF, 0xFF, 0xFF},
         {0.5f, -1.0f / 8388608}},
        {"s24 be", SampleCoding::SignedInt, 3, true, {0x40, 0x00, 0x00}, {0.5f}},
        {"s32 le",
         SampleCoding::SignedInt,
         4,
         false,
         {0, 0, 0, 0x80, 0, 0, 0, 0x20},
         {-1.0f, 0.25f}},
        {"f32 le, clipped, NaN silent",
         SampleCoding::Float,
         4,
         false,
         floats,
         {0.25f, -1.0f, 0.0f}},
        {"f32 be", SampleCoding::Float, 4, true, {0x3E, 0x80, 0x00, 0x00}, {0.25f}},
        {"f64 be", SampleCoding::Float, 8, true, {0xBF, 0xE0, 0, 0, 0, 0, 0, 0}, {-0.5f}},
        {"mu-law",
         SampleCoding::MuLaw,
         1,
         false,
         {0xFF, 0x7F, 0x00, 0x80},
         {0.0f, 0.0f, -32124 / 32768.0f, 32124 / 32768.0f}},
        {"a-law",
         SampleCoding::ALaw,
         1,
         false,
         {0xD5, 0x55, 0xAA, 0x2A},
         {8 / 32768.0f, -8 / 32768.0f, 32256 / 32768.0f, -32256 / 32768.0f}},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        StreamLayout layout;
        layout.coding = c.coding;
        layout.bytesPerSample = c.bytes;
        layout.bigEndian = c.bigEndian;
        std::vector<float> out(c.expected.size());
        DecodeSamples(layout, reinterpret_cast<const std::byte*>(c.in.data()), out.size(),
                      out.data());
        for (std::size_t i = 0; i < out.size(); ++i) {
            EXPECT_FLOAT_EQ(out[i], c.expected[i]) << "sample " << i;
        }
    }
}

} // namespace
