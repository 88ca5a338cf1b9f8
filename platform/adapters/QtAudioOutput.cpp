#include "platform/adapters/QtAudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace lccd {
namespace {

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kFrameBytes = 4;

QAudioFormat cdAudioFormat() {
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(kChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

QtAudioOutput::QtAudioOutput() = default;

QtAudioOutput::~QtAudioOutput() = default;

std::optional<QString> QtAudioOutput::start(QIODevice& source) {
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return noAudioDeviceMessage();
    const QAudioFormat format = cdAudioFormat();
    if (!device.isFormatSupported(format))
        return QStringLiteral("音を出す装置 %1 は CD の音声 (44.1 kHz 16 ビット ステレオ) "
                              "を再生できません")
            .arg(device.description());
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(&source);
    if (sink_->error() == QAudio::NoError)
        return std::nullopt;
    sink_.reset();
    return QStringLiteral("音を出す装置 %1 を開けません").arg(device.description());
}

void QtAudioOutput::stop() {
    if (!sink_)
        return;
    sink_->stop();
    sink_.reset();
}

qint64 QtAudioOutput::playedBytes() const {
    return sink_ ? sink_->processedUSecs() * kSampleRate / 1000000 * kFrameBytes : 0;
}

} // namespace lccd
