#include "app/Version.h"

#include "common/FileHelpers.h"
#include "common/VersionInfo.h"
#include "platform/ApplicationTitle.h"
#include "platform/Dialogs.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <cmath>

namespace lccd {
namespace {

constexpr int kCloseAfterMs = 12000;
constexpr int kTickMs = 500;
// The gauge counts kCloseAfterMs / 470 ticks to 100 %: 4 % a tick.
constexpr int kTicksToFull = kCloseAfterMs / 470;
constexpr int kDesignedWidth = 546;
constexpr int kTitlePixels = 48;

QLabel* label(const char* name, const QString& text, const QColor& color, int pixelSize,
              QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    return label;
}

// The largest pixel size, at most the designed one, at which the label's text fits the width:
// the designed 16 pixels were measured in another desktop's font.
void fitTextToWidth(QLabel& label, int width) {
    QFont font = label.font();
    while (font.pixelSize() > 8 &&
           QFontMetrics(font).horizontalAdvance(label.text()) > width - 2 * label.margin())
        font.setPixelSize(font.pixelSize() - 1);
    label.setFont(font);
}

} // namespace

TfrmVersion::TfrmVersion(DesktopShell& shell, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), shell_(shell) {
    setObjectName(QStringLiteral("frmVersion"));
    setFixedSize(kDesignedWidth, 139);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    const QColor caption = palette().color(QPalette::Inactive, QPalette::Highlight);
    Gauge1 = new QProgressBar(this);
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setTextVisible(false);
    Gauge1->setFixedSize(385, 4);
    Gauge1->setRange(0, 100);

    Label1 = label("Label1", applicationTitle(), caption, kTitlePixels, this);
    Label1->setFixedHeight(65);
    Label1->setAutoFillBackground(true);
    QPalette titlePalette = Label1->palette();
    titlePalette.setColor(QPalette::Window, palette().color(QPalette::Light));
    Label1->setPalette(titlePalette);
    QFont titleFont = Label1->font();
    titleFont.setFamily(QStringLiteral("Tahoma"));
    Label1->setFont(titleFont);
    // The designed width was measured in another desktop's faces: where this one's draw the
    // title wider, the window widens so that the whole title shows.
    setFixedWidth(qMax(kDesignedWidth, Label1->sizeHint().width()));
    Label2 = label("Label2", QString(), Qt::gray, 13, this);
    Label2->setFixedHeight(19);
    Label4 =
        label("Label4",
              QStringLiteral("       WAVファイルから音楽CD用CUEファイルを作る＋CDラベルを印刷する"),
              QColor(0, 0, 128), 16, this);
    fitTextToWidth(*Label4, width());
    Label3 = label("Label3",
                   QStringLiteral("\n        Copyright (C) 2026 The lccdtool developers — %1")
                       .arg(VersionInfoValue(0)),
                   Qt::gray, 11, this);
    Label3->setToolTip(QStringLiteral("LatticaのWebサイトへ"));
    Label3->setCursor(Qt::PointingHandCursor);
    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->hide();
    for (QLabel* closing : {Label1, Label2, Label4})
        closing->setToolTip(QStringLiteral("ここをクリックすると編集に戻ります"));
    for (QLabel* clickable : {Label1, Label2, Label3, Label4})
        clickable->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Gauge1);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Label4);
    layout->addWidget(Label3);
    layout->addStretch(1);

    // Precise timers never fire early, so the window closes with its gauge at 96 % or more.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer2.setTimerType(Qt::PreciseTimer);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        Timer2Timer(); // a tick due at the same moment still shows
        close();
    });
    connect(&Timer2, &QTimer::timeout, this, &TfrmVersion::Timer2Timer);
}

void TfrmVersion::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Label2->setText(QString(61, QLatin1Char(' ')) + QStringLiteral("Ver.") + FileVersionText());
    Gauge1->setValue(0);
    shownFor_.start();
    Timer1.start(int(std::lround(kCloseAfterMs * timeScale_)));
    Timer2.start(int(std::lround(kTickMs * timeScale_)));
}

void TfrmVersion::hideEvent(QHideEvent* event) {
    Timer1.stop();
    Timer2.stop();
    QDialog::hideEvent(event);
}

void TfrmVersion::Timer2Timer() {
    // Ticks are counted from the time shown, so a late or merged timer event loses none.
    const qint64 ticks = qint64(shownFor_.elapsed() / (kTickMs * timeScale_));
    const int progress = int(std::lround(double(ticks) / kTicksToFull * 100));
    Label5->setText(QString::asprintf("%.03d", progress));
    Gauge1->setValue(qMin(progress, 100));
}

bool TfrmVersion::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Label3)
            runGuarded([this] { OpenUrl(shell_, VersionInfoValue(0)); });
        else
            close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace lccd
