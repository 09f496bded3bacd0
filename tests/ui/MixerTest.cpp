// The mixer of voices: overlapping sounds are summed and clipped, a sound
// played again restarts, and a voice that ends leaves silence behind it.
#include "ui/parts/sound/Mixer.h"

#include <gtest/gtest.h>

using namespace cardova::ui;

namespace {

std::shared_ptr<const PcmSound> mono(std::vector<int16_t> samples)
{
    return std::make_shared<const PcmSound>(PcmSound{22050, 1, std::move(samples)});
}

std::vector<int16_t> mixed(Mixer &mixer, size_t frames)
{
    std::vector<int16_t> out(frames * size_t(mixer.channels()), 12345); // stale data must not survive
    mixer.mix(out.data(), frames);
    return out;
}

} // namespace

TEST(Mixer, SumsOverlappingVoicesAndFillsSilenceAfterTheyEnd)
{
    Mixer mixer(1);
    EXPECT_FALSE(mixer.sounding());
    ASSERT_TRUE(mixer.start(0, mono({100, 200, 300, 400, 500})));
    ASSERT_TRUE(mixer.start(1, mono({-10, -20})));
    EXPECT_EQ(mixer.voices(), 2);
    EXPECT_EQ(mixed(mixer, 3), (std::vector<int16_t>{90, 180, 300}));
    EXPECT_EQ(mixer.voices(), 1) << "the short voice ended in the first period";
    // A voice ending mid-period: silence after it, and nothing left sounding.
    EXPECT_EQ(mixed(mixer, 4), (std::vector<int16_t>{400, 500, 0, 0}));
    EXPECT_FALSE(mixer.sounding());
    EXPECT_EQ(mixed(mixer, 2), (std::vector<int16_t>{0, 0}));
}

TEST(Mixer, ClipsAtBothEndsInsteadOfWrapping)
{
    Mixer mixer(2);
    const auto loud = std::make_shared<const PcmSound>(PcmSound{22050, 2, {30000, -30000, 32767, -32768}});
    const auto louder = std::make_shared<const PcmSound>(PcmSound{22050, 2, {30000, -30000, 1, -1}});
    mixer.start(0, loud);
    mixer.start(1, louder);
    mixer.start(2, louder);
    EXPECT_EQ(mixed(mixer, 2), (std::vector<int16_t>{32767, -32768, 32767, -32768}));
    // Opposite voices cancel, without clipping on the way.
    EXPECT_FALSE(mixer.sounding());
    mixer.start(0, std::make_shared<const PcmSound>(PcmSound{22050, 2, {20000, -20000}}));
    mixer.start(1, std::make_shared<const PcmSound>(PcmSound{22050, 2, {-20000, 20000}}));
    EXPECT_EQ(mixed(mixer, 1), (std::vector<int16_t>{0, 0}));
}

TEST(Mixer, PlayingASoundingVoiceAgainRestartsIt)
{
    Mixer mixer(1);
    const auto sound = mono({1, 2, 3, 4});
    mixer.start(7, sound);
    EXPECT_EQ(mixed(mixer, 2), (std::vector<int16_t>{1, 2}));
    mixer.start(7, sound);
    EXPECT_EQ(mixer.voices(), 1) << "one voice per sound, not a second copy";
    EXPECT_EQ(mixed(mixer, 5), (std::vector<int16_t>{1, 2, 3, 4, 0}));
    // Once it has ended it simply starts again.
    mixer.start(7, sound);
    EXPECT_EQ(mixed(mixer, 2), (std::vector<int16_t>{1, 2}));
}

TEST(Mixer, RefusesASoundWithOtherChannels)
{
    Mixer mixer(2);
    EXPECT_FALSE(mixer.start(0, mono({1, 2})));
    EXPECT_FALSE(mixer.start(0, nullptr));
    EXPECT_FALSE(mixer.sounding());
}
