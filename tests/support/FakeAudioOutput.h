#pragma once

#include "platform/AudioOutput.h"

#include <QByteArray>
#include <QIODevice>

namespace lccd::test {

// A sound device that keeps what it is given: it pulls only when told to.
class FakeAudioOutput final : public AudioOutput {
public:
    // What start() answers: nothing plays then.
    std::optional<QString> refusal;

    std::optional<QString> start(QIODevice& source) override {
        if (refusal)
            return refusal;
        source_ = &source;
        played_.clear();
        ++starts_;
        return std::nullopt;
    }
    void stop() override { source_ = nullptr; }
    qint64 playedBytes() const override { return played_.size(); }

    bool isStarted() const { return source_ != nullptr; }
    int starts() const { return starts_; }
    const QByteArray& played() const { return played_; }

    // Takes what the source has ready, waiting for it when there is none yet.
    void pull() {
        if (source_ && source_->waitForReadyRead(5000))
            played_ += source_->readAll();
    }
    // Takes every byte up to the source's end.
    const QByteArray& pullToEnd() {
        while (source_ && !source_->atEnd())
            pull();
        return played_;
    }

private:
    QIODevice* source_ = nullptr;
    QByteArray played_;
    int starts_ = 0;
};

} // namespace lccd::test
