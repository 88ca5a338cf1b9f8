#pragma once

#include "platform/CoverPictures.h"

namespace lccd {

// Front covers through TagLib, the file's kind told by its content: ID3v2 tags of MP3, WAV and
// AIFF files, FLAC PICTURE blocks, the pictures of Ogg Vorbis, Opus and Ogg FLAC comments and
// MP4 "covr" atoms.
class TagLibCoverPictures : public CoverPictures {
public:
    QByteArray frontCover(const QString& path) override;
};

} // namespace lccd
