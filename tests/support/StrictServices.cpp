#include "tests/support/StrictServices.h"

#include "tests/support/MockServices.h"

namespace lccd::test {

using testing::NiceMock;
using testing::StrictMock;

TestServices::TestServices() {
    static StrictMock<MockPrinters> printers;
    static StrictMock<MockFonts> fonts;
    static StrictMock<MockShell> shell;
    static StrictMock<MockTags> tags;
    static StrictMock<MockLengths> lengths;
    static StrictMock<MockDecoder> decoder;
    static NiceMock<MockCovers> noCovers;
    static StrictMock<MockLoudness> loudness;
    static StrictMock<MockBurner> burner;
    static StrictMock<MockSound> sound;
    printers_ = &printers;
    fonts_ = &fonts;
    shell_ = &shell;
    tags_ = &tags;
    lengths_ = &lengths;
    decoder_ = &decoder;
    covers_ = &noCovers;
    loudness_ = &loudness;
    burner_ = &burner;
    sound_ = &sound;
}

} // namespace lccd::test
