#include "audio/CdFormat.h"
#include "audio/CdResampler.h"
#include "audio/SampleQuantizer.h"
#include "audio/StereoMix.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace lccd {
namespace {

std::vector<qint16> quantize(SampleQuantizer& quantizer, const std::vector<float>& samples) {
    std::vector<char> bytes(samples.size() * 2);
    quantizer.apply(samples.data(), qint64(samples.size() / 2), bytes.data());
    std::vector<qint16> values(samples.size());
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = qFromLittleEndian<qint16>(bytes.data() + 2 * i);
    return values;
}

TEST(SampleQuantizerTest, ExactValuesPassAndFullScaleClips) {
    const std::pair<float, qint16> cases[] = {
        {-1.5f, -32768},   {-1.0f, -32768},           {-1.0f / 32768, -1}, {0.0f, 0},
        {1.0f / 32768, 1}, {32767.0f / 32768, 32767}, {1.0f, 32767},       {1.5f, 32767}};
    for (const bool dither : {false, true}) {
        SampleQuantizer quantizer(2, dither);
        for (const auto& [sample, value] : cases) {
            // Dither moves a sample by one step at most, so only the clipped ends are sure.
            if (dither && std::abs(sample) < 1)
                continue;
            EXPECT_EQ(quantize(quantizer, {sample, sample}), (std::vector<qint16>{value, value}))
                << sample << (dither ? " dithered" : "");
        }
    }
}

// A level of 0.3 steps, lost to plain rounding, survives dither as the mean of the noise; the
// noise stays within one step and is the same on every run.
TEST(SampleQuantizerTest, DitherKeepsDetailFinerThanOneStep) {
    const std::vector<float> samples(200000, 0.3f / 32768);
    SampleQuantizer first(2, true);
    const std::vector<qint16> values = quantize(first, samples);
    double sum = 0;
    for (qint16 value : values) {
        ASSERT_GE(value, -1);
        ASSERT_LE(value, 1);
        sum += value;
    }
    EXPECT_NEAR(sum / double(values.size()), 0.3, 0.01);
    SampleQuantizer again(2, true);
    EXPECT_EQ(quantize(again, samples), values);
    SampleQuantizer plain(2, false);
    EXPECT_EQ(quantize(plain, samples), std::vector<qint16>(samples.size(), 0));
}

// A 5.1 frame with one channel at full scale, then with all of them.
TEST(StereoMixTest, SurroundFoldsDownWithoutClipping) {
    using enum Speaker;
    const StereoMix mix({FrontLeft, FrontRight, FrontCenter, LowFrequency, BackLeft, BackRight});
    const float h = float(M_SQRT1_2);
    const float scale = 1 / (1 + 2 * h);
    const std::pair<int, std::array<float, 2>> cases[] = {
        {0, {scale, 0}}, {1, {0, scale}},     {2, {h * scale, h * scale}},
        {3, {0, 0}},     {4, {h * scale, 0}}, {5, {0, h * scale}}};
    for (const auto& [channel, expected] : cases) {
        std::vector<float> frame(6, 0.0f);
        frame[size_t(channel)] = 1;
        float out[2];
        mix.apply(frame.data(), 1, out);
        EXPECT_NEAR(out[0], expected[0], 1e-6) << channel;
        EXPECT_NEAR(out[1], expected[1], 1e-6) << channel;
    }
    const std::vector<float> loud(6, 1.0f);
    float out[2];
    mix.apply(loud.data(), 1, out);
    EXPECT_NEAR(out[0], 1, 1e-6);
    EXPECT_NEAR(out[1], 1, 1e-6);
}

// Fed in blocks and flushed, the resampler gives exactly the frames the CD length promises.
TEST(CdResamplerTest, DeliversTheAnnouncedNumberOfFrames) {
    const int rates[] = {8000, 11025, 22050, 32000, 48000, 88200, 96000, 192000};
    const qint64 lengths[] = {1, 999, 48001, 123457};
    for (const int channels : {1, 2}) {
        for (const int rate : rates) {
            for (const qint64 length : lengths) {
                CdResampler resampler(rate, channels);
                const std::vector<float> block(size_t(1000 * channels), 0.25f);
                std::vector<float> out;
                for (qint64 done = 0; done < length; done += 1000)
                    resampler.process(block.data(), std::min<qint64>(1000, length - done), out);
                resampler.finish(out);
                EXPECT_EQ(qint64(out.size()) / channels, cdFramesOf(length, rate))
                    << rate << " Hz, " << length << " frames, " << channels << " channels";
            }
        }
    }
}

} // namespace
} // namespace lccd
