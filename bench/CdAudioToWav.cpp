// Writes a song's CD audio (44.1 kHz, 16-bit stereo, padded to whole sectors) to a WAV file,
// through the same pipeline that feeds a disc: the program that cd-audio-vs-sox.sh times.
//   cd-audio-to-wav SONG OUT.wav
#include "audio/CdFormat.h"
#include "audio/CdTrackAudio.h"
#include "platform/AppError.h"
#include "platform/adapters/SongDecoder.h"

#include <QFile>

#include <sndfile.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SONG OUT.wav\n", argv[0]);
        return 2;
    }
    try {
        lccd::SongDecoder decoder;
        lccd::CdTrackAudio track(decoder, QFile::decodeName(argv[1]));
        SF_INFO info{};
        info.samplerate = lccd::kCdSampleRate;
        info.channels = lccd::kCdChannels;
        info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        SNDFILE* wav = sf_open(argv[2], SFM_WRITE, &info);
        if (wav == nullptr) {
            std::fprintf(stderr, "%s: %s\n", argv[2], sf_strerror(nullptr));
            return 1;
        }
        // CD audio is little-endian 16-bit PCM, as a WAV file's samples are.
        std::vector<char> block(64 * lccd::kCdSectorBytes);
        bool written = true;
        while (const qint64 count = track.read(block.data(), qint64(block.size())))
            written = written && sf_write_raw(wav, block.data(), count) == count;
        sf_close(wav);
        return written ? 0 : 1;
    } catch (const lccd::AppError& error) {
        std::fprintf(stderr, "%s\n", error.message().toLocal8Bit().constData());
        return 1;
    }
}
