#pragma once

#include "platform/Dialogs.h"
#include "platform/Services.h"

namespace lccd::test {

// Services that fail the running test whenever they are used. A test hands its code the fakes
// it means to be used and strict ones for the rest, so a forgotten fake shows as a failure
// instead of quietly reaching the desktop's printers, fonts, songs or drives.
class StrictPrinters final : public PrinterSystem {
public:
    QStringList printerNames() override;
    int currentIndex() override;
    void setCurrentIndex(int index) override;
    DeviceCaps deviceCaps() override;
    std::optional<DeviceSettings> deviceSettings() override;
    void setDeviceSettings(int paperCode, int orientation) override;
    DriverPapers driverPapers() override;
    bool print(const QString& title, int copies, int pageCount,
               const std::function<void(QPainter&, int)>& drawPage) override;
};

class StrictFonts final : public FontSystem {
public:
    const QList<InstalledFace>& installedFaces() override;
    TextMetrics metrics(const FontRequest& font) override;
    QList<int> advances(const FontRequest& font, QStringView text) override;
};

class StrictShell final : public DesktopShell {
public:
    bool openDocument(const QString& path) override;
    bool openUrl(const QString& address) override;
};

class StrictTags final : public Mp3Infp {
public:
    quint32 GetVer() override;
    int Load(const QString& path) override;
    int GetType() override;
    quint32 mp3_GetTagType() override;
    QByteArray GetValue(const QByteArray& name) override;
    TagEncoding writeEncoding() override;
    int SetValue(const QByteArray& name, const QByteArray& value) override;
    int Save(const QString& path) override;
    int makeId3v2(const QString& path) override;
};

class StrictLengths final : public MediaLengths {
public:
    std::optional<qint64> milliseconds(const QString& path) override;
};

class StrictDecoder final : public AudioDecoder {
public:
    std::unique_ptr<AudioStream> open(const QString& path) override;
};

// Songs without pictures. Unlike the strict services it fails nothing: the CD list editor looks
// for a cover after every load, and reading a picture changes nothing anywhere.
class NoCovers final : public CoverPictures {
public:
    QByteArray frontCover(const QString&) override { return {}; }
};

class StrictLoudness final : public LoudnessMeter {
public:
    std::unique_ptr<LoudnessMeasurement> startCdAudio() override;
};

class StrictBurner final : public DiscBurner {
public:
    QList<BurnDrive> drives() override;
    BurnMedium inspect(const QString& address) override;
    std::unique_ptr<BurnJob> start(const QString& address, BurnSession session,
                                   const BurnOptions& options) override;
};

class StrictSound final : public AudioOutput {
public:
    std::optional<QString> start(QIODevice& source) override;
    void stop() override {}
    qint64 playedBytes() const override { return 0; }
};

// Every dialog fails the test: installed for the whole test program, under the scripted
// dialogs a test installs for itself.
class StrictDialogs final : public DialogAdapter {
public:
    int messageBox(const QString& text, const QString& caption, int type) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    std::optional<QString> openPicture(const FileDialogRequest& request) override;
    std::optional<QString> browseFolder(const QString& prompt, const QString& startFolder) override;
    bool printSetup(PrinterSystem& printers) override;
    std::optional<int> askNumber(const QString& caption, const QString& label, int value,
                                 int minimum, int maximum) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    int execDialog(QDialog& dialog) override;
};

// The services a test hands to the code under test: strict ones (shared, as they hold nothing;
// covers: NoCovers) until the test gives its own fake or a real implementation for a slot:
//
//     const Services services = TestServices().with(printers).with(fonts).services();
class TestServices {
public:
    TestServices();

    TestServices& with(PrinterSystem& printers);
    TestServices& with(FontSystem& fonts);
    TestServices& with(DesktopShell& shell);
    TestServices& with(Mp3Infp& tags);
    TestServices& with(MediaLengths& lengths);
    TestServices& with(AudioDecoder& decoder);
    TestServices& with(CoverPictures& covers);
    TestServices& with(LoudnessMeter& loudness);
    TestServices& with(DiscBurner& burner);
    TestServices& with(AudioOutput& sound);

    Services services() const {
        return {*printers_, *fonts_, *shell_, {*tags_, *lengths_, *decoder_, *covers_, *loudness_},
                *burner_,   *sound_};
    }

private:
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
