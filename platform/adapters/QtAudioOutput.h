#pragma once

#include "platform/AudioOutput.h"

#include <memory>

class QAudioSink;

namespace lccd {

// The desktop's default sound device through Qt Multimedia.
class QtAudioOutput final : public AudioOutput {
public:
    QtAudioOutput();
    ~QtAudioOutput() override;

    std::optional<QString> start(QIODevice& source) override;
    void stop() override;
    qint64 playedBytes() const override;

private:
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace lccd
