// Picture display: the message box icon.
#pragma once

#include <QIcon>
#include <QImage>
#include <QWidget>

class CSkDisplayPic : public QWidget {
    Q_OBJECT
public:
    explicit CSkDisplayPic(QWidget* parent = nullptr);

    bool LoadPicture(const QString& path);
    void SetPicture(const QImage& picture);
    void SetIcon(const QIcon& icon);
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    QIcon icon_;
};
