#pragma once

#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <gmock/gmock.h>

namespace lccd::test {

// gmock doubles of the desktop services. Wrapped in testing::StrictMock, every call a test did
// not expect fails it; the defaults below only keep such a call from crashing the code under
// test before the failure is reported.
class MockPrinters : public PrinterSystem {
public:
    MOCK_METHOD(QStringList, printerNames, (), (override));
    MOCK_METHOD(int, currentIndex, (), (override));
    MOCK_METHOD(void, setCurrentIndex, (int index), (override));
    MOCK_METHOD(DeviceCaps, deviceCaps, (), (override));
    MOCK_METHOD(std::optional<DeviceSettings>, deviceSettings, (), (override));
    MOCK_METHOD(void, setDeviceSettings, (int paperCode, int orientation), (override));
    MOCK_METHOD(DriverPapers, driverPapers, (), (override));
    MOCK_METHOD(bool, print,
                (const QString& title, int copies, int pageCount,
                 (const std::function<void(QPainter&, int)>& drawPage)),
                (override));

    MockPrinters() { ON_CALL(*this, currentIndex()).WillByDefault(testing::Return(-1)); }
};

class MockFonts : public FontSystem {
public:
    MOCK_METHOD(const QList<InstalledFace>&, installedFaces, (), (override));
    MOCK_METHOD(TextMetrics, metrics, (const FontRequest& font), (override));
    MOCK_METHOD(QList<int>, advances, (const FontRequest& font, QStringView text), (override));

    MockFonts() {
        ON_CALL(*this, installedFaces()).WillByDefault(testing::ReturnRef(noFaces_));
        // one advance per code unit, as callers index them
        ON_CALL(*this, advances).WillByDefault([](const FontRequest&, QStringView text) {
            return QList<int>(text.size(), 0);
        });
    }

private:
    const QList<InstalledFace> noFaces_;
};

class MockShell : public DesktopShell {
public:
    MOCK_METHOD(bool, openDocument, (const QString& path), (override));
    MOCK_METHOD(bool, openUrl, (const QString& address), (override));
};

class MockTags : public Mp3Infp {
public:
    MOCK_METHOD(quint32, GetVer, (), (override));
    MOCK_METHOD(int, Load, (const QString& path), (override));
    MOCK_METHOD(int, GetType, (), (override));
    MOCK_METHOD(quint32, mp3_GetTagType, (), (override));
    MOCK_METHOD(QByteArray, GetValue, (const QByteArray& name), (override));
    MOCK_METHOD(TagEncoding, writeEncoding, (), (override));
    MOCK_METHOD(int, SetValue, (const QByteArray& name, const QByteArray& value), (override));
    MOCK_METHOD(int, Save, (const QString& path), (override));
    MOCK_METHOD(int, makeId3v2, (const QString& path), (override));

    MockTags() {
        ON_CALL(*this, Load).WillByDefault(testing::Return(-1));
        ON_CALL(*this, SetValue).WillByDefault(testing::Return(-1));
        ON_CALL(*this, Save).WillByDefault(testing::Return(-1));
        ON_CALL(*this, makeId3v2).WillByDefault(testing::Return(-1));
        ON_CALL(*this, writeEncoding()).WillByDefault(testing::Return(TagEncoding::CodePage932));
    }
};

class MockLengths : public MediaLengths {
public:
    MOCK_METHOD(std::optional<qint64>, milliseconds, (const QString& path), (override));
};

class MockDecoder : public AudioDecoder {
public:
    MOCK_METHOD(std::unique_ptr<AudioStream>, open, (const QString& path), (override));
};

class MockCovers : public CoverPictures {
public:
    MOCK_METHOD(QByteArray, frontCover, (const QString& path), (override));
};

class MockLoudness : public LoudnessMeter {
public:
    MOCK_METHOD(std::unique_ptr<LoudnessMeasurement>, startCdAudio, (), (override));
};

class MockBurner : public DiscBurner {
public:
    MOCK_METHOD(QList<BurnDrive>, drives, (), (override));
    MOCK_METHOD(BurnMedium, inspect, (const QString& address), (override));
    MOCK_METHOD(std::unique_ptr<BurnJob>, start,
                (const QString& address, BurnSession session, const BurnOptions& options),
                (override));
};

// Only starting is a use: players stop and poll whether they played or not.
class MockSound : public AudioOutput {
public:
    MOCK_METHOD(std::optional<QString>, start, (QIODevice & source), (override));
    void stop() override {}
    qint64 playedBytes() const override { return 0; }

    MockSound() { ON_CALL(*this, start).WillByDefault(testing::Return(noAudioDeviceMessage())); }
};

class MockDialogs : public DialogAdapter {
public:
    MOCK_METHOD(int, messageBox, (const QString& text, const QString& caption, int type),
                (override));
    MOCK_METHOD(std::optional<QString>, openFile, (const FileDialogRequest& request), (override));
    MOCK_METHOD(std::optional<QString>, saveFile, (const FileDialogRequest& request), (override));
    MOCK_METHOD(std::optional<QString>, openPicture, (const FileDialogRequest& request),
                (override));
    MOCK_METHOD(std::optional<QString>, browseFolder,
                (const QString& prompt, const QString& startFolder), (override));
    MOCK_METHOD(bool, printSetup, (PrinterSystem & printers), (override));
    MOCK_METHOD(std::optional<int>, askNumber,
                (const QString& caption, const QString& label, int value, int minimum, int maximum),
                (override));
    MOCK_METHOD(std::optional<QColor>, chooseColor, (const QColor& initial), (override));
    MOCK_METHOD(int, execDialog, (QDialog & dialog), (override));

    MockDialogs() {
        ON_CALL(*this, messageBox).WillByDefault(testing::Return(DialogResult::Cancel));
    }
};

} // namespace lccd::test
