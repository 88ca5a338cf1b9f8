#pragma once

#include "platform/adapters/TagLibMp3Infp.h"

#include <QStringList>

namespace lccd::test {

// The program's tag library with a version of the test's choosing, recording the files it is
// asked to save; it keeps its own loaded file.
class RecordingMp3Infp : public Mp3Infp {
public:
    explicit RecordingMp3Infp(quint32 version = TagLibMp3Infp::kVersion) : version_(version) {}

    quint32 GetVer() override { return version_; }
    int Load(const QString& path) override { return library_.Load(path); }
    int GetType() override { return library_.GetType(); }
    quint32 mp3_GetTagType() override { return library_.mp3_GetTagType(); }
    QByteArray GetValue(const QByteArray& name) override {
        valueNames.append(name);
        return library_.GetValue(name);
    }
    TagEncoding writeEncoding() override { return library_.writeEncoding(); }
    int SetValue(const QByteArray& name, const QByteArray& value) override {
        setNames.append(name);
        return library_.SetValue(name, value);
    }
    int Save(const QString& path) override {
        saves.append(path);
        return library_.Save(path);
    }
    int makeId3v2(const QString& path) override { return library_.makeId3v2(path); }

    QList<QByteArray> valueNames; // every GetValue, in order
    QList<QByteArray> setNames;   // every SetValue, in order
    QStringList saves;

private:
    quint32 version_;
    TagLibMp3Infp library_;
};

} // namespace lccd::test
