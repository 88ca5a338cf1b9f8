#include "tests/support/FakePrinters.h"

#include "common/Rounding.h"

#include <QPainter>

namespace lccd::test {

FakePrinters::FakePrinters() {
    papers.names = {QStringLiteral("A4"), QStringLiteral("A5"), QStringLiteral("B5 (JIS)"),
                    QStringLiteral("Letter"), QStringLiteral("ﾊｶﾞｷ")};
    papers.codes = {9, 11, 13, 1, 43};
    papers.sizes = {QSize(2100, 2970), QSize(1480, 2100), QSize(1820, 2570), QSize(2159, 2794),
                    QSize(1000, 1480)};
}

void FakePrinters::removeAllPrinters() {
    names.clear();
    current = -1;
}

DeviceCaps FakePrinters::deviceCaps() {
    QSize size(2100, 2970);
    const qsizetype paper = papers.codes.indexOf(settings.paperCode);
    if (paper >= 0 && paper < papers.sizes.size())
        size = papers.sizes[paper];
    const int dpiY = verticalDpi > 0 ? verticalDpi : dpi;
    QSize size10 = size;
    QMargins m = margins;
    if (settings.orientation == PaperOrientation::Landscape) {
        size10.transpose();
        m = QMargins(m.bottom(), m.left(), m.top(), m.right());
    }
    const QSize pixels(RoundHalfAway(size10.width() * dpi / 254.0),
                       RoundHalfAway(size10.height() * dpiY / 254.0));
    return DeviceCaps{dpi,
                      dpiY,
                      pixels.width(),
                      pixels.height(),
                      m.left(),
                      m.top(),
                      pixels.width() - m.left() - m.right(),
                      pixels.height() - m.top() - m.bottom()};
}

std::optional<DeviceSettings> FakePrinters::deviceSettings() {
    if (!settingsAvailable)
        return std::nullopt;
    return settings;
}

void FakePrinters::setDeviceSettings(int paperCode, int orientation) {
    settings.paperCode = paperCode;
    settings.orientation = orientation;
}

bool FakePrinters::print(const QString& title, int copies, int pageCount,
                         const std::function<void(QPainter&, int)>& drawPage) {
    Job job{title, copies, {}};
    for (int i = 0; i < pageCount; ++i) {
        QPicture picture;
        QPainter painter(&picture);
        drawPage(painter, i);
        painter.end();
        job.pages.append(picture);
    }
    jobs.append(job);
    return true;
}

} // namespace lccd::test
