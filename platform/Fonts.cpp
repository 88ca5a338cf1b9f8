#include "platform/Fonts.h"

namespace lccd {

int FaceCharset(FontSystem& fonts, const QString& face) {
    for (const InstalledFace& installed : fonts.installedFaces())
        if (installed.name == face)
            return installed.charset;
    return Charset::NotInstalled;
}

} // namespace lccd
