#pragma once

#include "platform/Fonts.h"

#include <QFontMetrics>
#include <QHash>

#include <optional>

namespace lccd {

// Fonts through Qt and fontconfig. Faces that layouts commonly name but that do not exist on
// this desktop (Windows faces) are mapped to installed faces of the same style, so that a
// layout draws as intended and keeps its face names when saved.
class QtFontSystem : public FontSystem {
public:
    QtFontSystem();

    const QList<InstalledFace>& installedFaces() override;
    TextMetrics metrics(const FontRequest& font) override;
    QList<int> advances(const FontRequest& font, QStringView text) override;

    // A face's substitute when it has one, else the face itself.
    QString familyOf(const QString& face) const override;

private:
    const QFontMetrics& metricsOf(const FontRequest& font);

    std::optional<QList<InstalledFace>> faces_;
    QHash<QString, QString> substitutes_; // face -> installed family
    QHash<QString, QFontMetrics> metricsCache_;
};

} // namespace lccd
