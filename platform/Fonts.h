#pragma once

#include <QList>
#include <QString>

// Installed font faces with their character sets, and the metrics of pixel-sized fonts (which
// are the same on every paint device).
namespace lccd {

// Character sets a face is listed with.
namespace Charset {
constexpr int Ansi = 0;
constexpr int ShiftJis = 128;
constexpr int Hangul = 129;
constexpr int NotInstalled = 100;
} // namespace Charset

struct InstalledFace {
    QString name;
    int charset;
};

struct FontRequest {
    QString face;      // as a layout names it; never with a leading "@"
    int pixelSize = 0; // character height in pixels
    bool bold = false;
    bool italic = false;
    bool operator==(const FontRequest&) const = default;
};

struct TextMetrics {
    int cellHeight = 0; // ascent + descent
    int ascent = 0;
    int averageCharWidth = 0;
};

class FontSystem {
public:
    virtual ~FontSystem() = default;

    // Every installed face except the vertical ("@") ones, each with its character set; built
    // once. Faces that layouts name and whose substitute is installed are among them.
    virtual const QList<InstalledFace>& installedFaces() = 0;
    virtual TextMetrics metrics(const FontRequest& font) = 0;
    // The horizontal extent of each UTF-16 code unit of text, measured on its own, in whole
    // pixels.
    virtual QList<int> advances(const FontRequest& font, QStringView text) = 0;
    // The installed family that draws a face: the one its metrics come from. Drawing in it,
    // rather than in the face's own name, also spares the font system a search for a face
    // that is not installed.
    virtual QString familyOf(const QString& face) const { return face; }
};

// The character set of an installed face; Charset::NotInstalled when no installed face has
// exactly that name.
int FaceCharset(FontSystem& fonts, const QString& face);

} // namespace lccd
