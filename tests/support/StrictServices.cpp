#include "tests/support/StrictServices.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace lccd::test {
namespace {

void unexpected(const char* service, const QString& detail = {}) {
    ADD_FAILURE() << "unexpected use of " << service
                  << (detail.isEmpty() ? std::string() : ": " + detail.toStdString());
}

} // namespace

QStringList StrictPrinters::printerNames() {
    unexpected("the printers");
    return {};
}
int StrictPrinters::currentIndex() {
    unexpected("the printers");
    return -1;
}
void StrictPrinters::setCurrentIndex(int) {
    unexpected("the printers");
}
DeviceCaps StrictPrinters::deviceCaps() {
    unexpected("the printers");
    return {};
}
std::optional<DeviceSettings> StrictPrinters::deviceSettings() {
    unexpected("the printers");
    return std::nullopt;
}
void StrictPrinters::setDeviceSettings(int, int) {
    unexpected("the printers");
}
DriverPapers StrictPrinters::driverPapers() {
    unexpected("the printers");
    return {};
}
bool StrictPrinters::print(const QString& title, int, int,
                           const std::function<void(QPainter&, int)>&) {
    unexpected("the printers", title);
    return false;
}

const QList<InstalledFace>& StrictFonts::installedFaces() {
    static const QList<InstalledFace> none;
    unexpected("the fonts");
    return none;
}
TextMetrics StrictFonts::metrics(const FontRequest& font) {
    unexpected("the fonts", font.face);
    return {};
}
QList<int> StrictFonts::advances(const FontRequest& font, QStringView text) {
    unexpected("the fonts", font.face);
    return QList<int>(text.size(), 0); // one per code unit, as callers index them
}

bool StrictShell::openDocument(const QString& path) {
    unexpected("the desktop shell", path);
    return false;
}
bool StrictShell::openUrl(const QString& address) {
    unexpected("the desktop shell", address);
    return false;
}

quint32 StrictTags::GetVer() {
    unexpected("the tag library");
    return 0;
}
int StrictTags::Load(const QString& path) {
    unexpected("the tag library", path);
    return -1;
}
int StrictTags::GetType() {
    unexpected("the tag library");
    return SongFileType::None;
}
quint32 StrictTags::mp3_GetTagType() {
    unexpected("the tag library");
    return 0;
}
QByteArray StrictTags::GetValue(const QByteArray& name) {
    unexpected("the tag library", QString::fromLatin1(name));
    return {};
}
TagEncoding StrictTags::writeEncoding() {
    unexpected("the tag library");
    return TagEncoding::CodePage932;
}
int StrictTags::SetValue(const QByteArray& name, const QByteArray&) {
    unexpected("the tag library", QString::fromLatin1(name));
    return -1;
}
int StrictTags::Save(const QString& path) {
    unexpected("the tag library", path);
    return -1;
}
int StrictTags::makeId3v2(const QString& path) {
    unexpected("the tag library", path);
    return -1;
}

std::optional<qint64> StrictLengths::milliseconds(const QString& path) {
    unexpected("the media lengths", path);
    return std::nullopt;
}

std::unique_ptr<AudioStream> StrictDecoder::open(const QString& path) {
    unexpected("the decoder", path);
    return nullptr;
}

std::unique_ptr<LoudnessMeasurement> StrictLoudness::startCdAudio() {
    unexpected("the loudness meter");
    return nullptr;
}

QList<BurnDrive> StrictBurner::drives() {
    unexpected("the burner");
    return {};
}
BurnMedium StrictBurner::inspect(const QString& address) {
    unexpected("the burner", address);
    return {};
}
std::unique_ptr<BurnJob> StrictBurner::start(const QString& address, BurnSession,
                                             const BurnOptions&) {
    unexpected("the burner", address);
    return nullptr;
}

std::optional<QString> StrictSound::start(QIODevice&) {
    unexpected("the sound output");
    return noAudioDeviceMessage();
}

int StrictDialogs::messageBox(const QString& text, const QString&, int) {
    unexpected("a message box", text);
    return DialogResult::Cancel;
}
std::optional<QString> StrictDialogs::openFile(const FileDialogRequest& request) {
    unexpected("an open dialog", request.title);
    return std::nullopt;
}
std::optional<QString> StrictDialogs::saveFile(const FileDialogRequest& request) {
    unexpected("a save dialog", request.title);
    return std::nullopt;
}
std::optional<QString> StrictDialogs::openPicture(const FileDialogRequest& request) {
    unexpected("a picture dialog", request.title);
    return std::nullopt;
}
std::optional<QString> StrictDialogs::browseFolder(const QString& prompt, const QString&) {
    unexpected("a folder dialog", prompt);
    return std::nullopt;
}
bool StrictDialogs::printSetup(PrinterSystem&) {
    unexpected("the print setup dialog");
    return false;
}
std::optional<int> StrictDialogs::askNumber(const QString& caption, const QString&, int, int, int) {
    unexpected("a number dialog", caption);
    return std::nullopt;
}
std::optional<QColor> StrictDialogs::chooseColor(const QColor&) {
    unexpected("a color dialog");
    return std::nullopt;
}
int StrictDialogs::execDialog(QDialog& dialog) {
    unexpected("a dialog", dialog.windowTitle());
    return QDialog::Rejected;
}

TestServices::TestServices() {
    static StrictPrinters strictPrinters;
    static StrictFonts strictFonts;
    static StrictShell strictShell;
    static StrictTags strictTags;
    static StrictLengths strictLengths;
    static StrictDecoder strictDecoder;
    static StrictLoudness strictLoudness;
    static StrictBurner strictBurner;
    static NoCovers noCovers;
    static StrictSound strictSound;
    printers_ = &strictPrinters;
    fonts_ = &strictFonts;
    shell_ = &strictShell;
    tags_ = &strictTags;
    lengths_ = &strictLengths;
    decoder_ = &strictDecoder;
    covers_ = &noCovers;
    loudness_ = &strictLoudness;
    burner_ = &strictBurner;
    sound_ = &strictSound;
}

TestServices& TestServices::with(PrinterSystem& printers) {
    printers_ = &printers;
    return *this;
}

TestServices& TestServices::with(FontSystem& fonts) {
    fonts_ = &fonts;
    return *this;
}

TestServices& TestServices::with(DesktopShell& shell) {
    shell_ = &shell;
    return *this;
}

TestServices& TestServices::with(Mp3Infp& tags) {
    tags_ = &tags;
    return *this;
}

TestServices& TestServices::with(MediaLengths& lengths) {
    lengths_ = &lengths;
    return *this;
}

TestServices& TestServices::with(AudioDecoder& decoder) {
    decoder_ = &decoder;
    return *this;
}

TestServices& TestServices::with(CoverPictures& covers) {
    covers_ = &covers;
    return *this;
}

TestServices& TestServices::with(LoudnessMeter& loudness) {
    loudness_ = &loudness;
    return *this;
}

TestServices& TestServices::with(DiscBurner& burner) {
    burner_ = &burner;
    return *this;
}

TestServices& TestServices::with(AudioOutput& sound) {
    sound_ = &sound;
    return *this;
}

} // namespace lccd::test
