#include "SkinFolder.h"

#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A rounded outline cut by yellow, the way the skin pictures are drawn.
QImage RoundedSkin(QSize size, QColor body)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 0));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(QRect(QPoint(0, 0), size), 12, 12);
    return image;
}

QImage ButtonStrip(QSize frame, int frames)
{
    QImage image(frame.width() * frames, frame.height(), QImage::Format_RGB32);
    const QColor colors[] = {QColor(40, 90, 170), QColor(70, 130, 210), QColor(20, 50, 110), QColor(150, 150, 150),
                             QColor(120, 120, 120), QColor(90, 90, 90)};
    QPainter painter(&image);
    for (int i = 0; i < frames; ++i)
        painter.fillRect(i * frame.width(), 0, frame.width(), frame.height(), colors[i % 6]);
    return image;
}

} // namespace

SkinFolder::SkinFolder()
{
    SetProgramFolder(dir_.path());
}

SkinFolder::~SkinFolder() = default;

QString SkinFolder::Path(const QString& relative) const
{
    return dir_.filePath(relative);
}

void SkinFolder::WriteImage(const QString& relative, const QImage& image)
{
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(image.save(path)) << path.toStdString();
}

void SkinFolder::WritePicture(const QString& relative, QSize size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    WriteImage(relative, image);
}

void SkinFolder::WriteText(const QString& relative, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(Path(relative)).path());
    QFile file(Path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void SkinFolder::WriteCursor(const QString& relative, int hotX, int hotY)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::black);
    const QString path = Path(relative);
    QDir().mkpath(QFileInfo(path).path());
    ASSERT_TRUE(image.save(path, "ICO"));
    // An icon file becomes a cursor: type 2, planes/bit count hold the hot spot.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray data = file.readAll();
    data[2] = 2;
    data[10] = static_cast<char>(hotX);
    data[11] = 0;
    data[12] = static_cast<char>(hotY);
    data[13] = 0;
    file.seek(0);
    file.write(data);
}

void SkinFolder::WriteStandardSkin()
{
    WriteImage("Skin/DlgMessageBox.bmp", RoundedSkin({420, 195}, QColor(235, 240, 250)));
    WriteImage("Skin/link_error.bmp", RoundedSkin({756, 308}, QColor(250, 235, 235)));
    WriteImage("Skin/dlgMainUI.bmp", RoundedSkin({673, 500}, QColor(225, 235, 245)));
    for (const char* name : {"Background1.bmp", "Background2.bmp", "Background3.bmp"})
        WritePicture(QStringLiteral("Skin/") + name, {648, 360}, QColor(245, 248, 252));
    WriteImage("Skin/CommonButton.bmp", ButtonStrip({100, 30}, 4));
    WriteImage("Skin/CommonButton_Little.bmp", ButtonStrip({72, 24}, 4));
    WriteImage("Skin/Button_Clone.bmp", ButtonStrip({120, 30}, 4));
    WriteImage("Skin/Button_Restore.bmp", ButtonStrip({120, 30}, 4));
    WriteImage("Skin/btnCheck_Default.bmp", ButtonStrip({20, 20}, 6));
    for (int i = 1; i <= 3; ++i)
        WritePicture(QStringLiteral("Skin/MsgBox_%1.bmp").arg(i), {64, 64}, QColor(200, 60 * i, 40));
    for (int i = 1; i <= 5; ++i)
        WritePicture(QStringLiteral("Skin/progress%1.png").arg(i), {453, 130}, QColor(30 * i, 120, 200));
    WriteCursor("Skin/RadioCheck.cur", 3, 5);
    WriteCursor("Skin/RadioUnCheck.cur", 4, 6);
}

void SaveScreenshot(QWidget* widget, const QString& name)
{
    const QString folder = QStringLiteral(SKIN_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    widget->grab().save(folder + u'/' + name + QStringLiteral(".png"));
}
