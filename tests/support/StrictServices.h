#pragma once

#include "platform/Services.h"

namespace lccd::test {

// The services a test hands to the code under test: strict gmock doubles (shared, as they hold
// nothing; covers: none, as the CD list editor looks for one after every load) until the test
// gives its own fake or a real implementation for a slot. A forgotten fake so shows as a failure
// instead of quietly reaching the desktop's printers, fonts, songs or drives:
//
//     const Services services = TestServices().with(printers).with(fonts).services();
class TestServices {
public:
    TestServices();

    TestServices& with(PrinterSystem& printers) { return set(printers_, printers); }
    TestServices& with(FontSystem& fonts) { return set(fonts_, fonts); }
    TestServices& with(DesktopShell& shell) { return set(shell_, shell); }
    TestServices& with(Mp3Infp& tags) { return set(tags_, tags); }
    TestServices& with(MediaLengths& lengths) { return set(lengths_, lengths); }
    TestServices& with(AudioDecoder& decoder) { return set(decoder_, decoder); }
    TestServices& with(CoverPictures& covers) { return set(covers_, covers); }
    TestServices& with(LoudnessMeter& loudness) { return set(loudness_, loudness); }
    TestServices& with(DiscBurner& burner) { return set(burner_, burner); }
    TestServices& with(AudioOutput& sound) { return set(sound_, sound); }

    Services services() const {
        return {*printers_, *fonts_, *shell_, {*tags_, *lengths_, *decoder_, *covers_, *loudness_},
                *burner_,   *sound_};
    }

private:
    template <typename Service> TestServices& set(Service*& slot, Service& service) {
        slot = &service;
        return *this;
    }

    PrinterSystem* printers_;
    FontSystem* fonts_;
    DesktopShell* shell_;
    Mp3Infp* tags_;
    MediaLengths* lengths_;
    AudioDecoder* decoder_;
    CoverPictures* covers_;
    LoudnessMeter* loudness_;
    DiscBurner* burner_;
    AudioOutput* sound_;
};

} // namespace lccd::test
