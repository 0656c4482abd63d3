#pragma once

// What the picture-taking programs share: letting the window system catch
// up, and cutting a window out of the X screen with ImageMagick's `import`,
// title bar included, as a user sees it.

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QString>

namespace capture {

inline constexpr int kTitleBarAllowance = 28; // the window manager's title bar above the window
inline constexpr int kMargin = 6;

inline void settle(int ms = 400) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// Saves `area` (window coordinates, with a margin and the title bar) of the
// screen as the picture `path`.
inline bool snap(const QRect& area, const QString& path) {
    const QScreen* screen = QApplication::primaryScreen();
    // The window system's pixels, which a scaled screen has more of.
    const qreal scale = screen->devicePixelRatio();
    const QRect logical = area.adjusted(-kMargin, -kMargin - kTitleBarAllowance, kMargin, kMargin)
                              .intersected(screen->geometry());
    const QRect crop(QPoint(qRound(logical.x() * scale), qRound(logical.y() * scale)),
                     QSize(qRound(logical.width() * scale), qRound(logical.height() * scale)));
    const QString geometry = QStringLiteral("%1x%2+%3+%4")
                                 .arg(crop.width())
                                 .arg(crop.height())
                                 .arg(crop.x())
                                 .arg(crop.y());
    return QProcess::execute(QStringLiteral("import"),
                             {QStringLiteral("-window"), QStringLiteral("root"),
                              QStringLiteral("-crop"), geometry, QStringLiteral("+repage"),
                              path}) == 0;
}

} // namespace capture
