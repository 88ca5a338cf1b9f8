// pdf-floor OUT.pdf: the least a Qt program does to write a PDF with a line of Japanese text
// (an application, a PDF writer, one font, one line). render-vs-glabels.sh times it beside
// lccdtool-cli render as the floor that Qt sets for a whole run.
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2)
        return 2;
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(600);
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("IPAGothic"), 12));
    painter.drawText(QPointF(600, 600), QStringLiteral("港町スケッチ 25 002:38"));
    return painter.end() ? 0 : 1;
}
