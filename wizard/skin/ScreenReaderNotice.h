// Tells a screen reader what changed while the focus stayed where it was: a
// page that opened behind the focused Next button, a headline that turned.
// Qt 6.4 has no announcement event, and its AT-SPI bridge drops alerts and
// sends name and description changes without the new words; a notification
// that appears is read aloud at once. So each window keeps one such object,
// a pixel in size and drawn as nothing, and shows it anew with the words.
#pragma once

#include <QWidget>

class ScreenReaderNotice : public QWidget {
    Q_OBJECT
public:
    // Says `title`, then `text`, through the notice of `anyWidget`'s window.
    static void Announce(QWidget* anyWidget, const QString& title, const QString& text);

private:
    explicit ScreenReaderNotice(QWidget* window);
};
