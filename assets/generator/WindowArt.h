// Shaped windows: the wizard frame, the message box and the connect-failed
// window. Everything outside their rounded outline is the key colour.
#pragma once

#include <QImage>
#include <QPainter>

class WindowArt {
public:
    static QImage Frame();
    static QImage MessageBox();
    static QImage LinkError();

private:
    static void PaintBanner(QPainter& painter, const QRectF& band, bool flipped);
    static void PaintDialogCard(QPainter& painter, QSize size, int footerTop);
    static void PaintBrokenLink(QPainter& painter);
};
