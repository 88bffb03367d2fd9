// Dialog whose background is a picture drawn stretched over it, with
// transparent labels; base of the progress dialog.
#pragma once

#include <QDialog>
#include <QRegion>

class ImageEx;

class CImageDialog : public QDialog {
    Q_OBJECT
public:
    explicit CImageDialog(int templateId, QWidget* parent = nullptr);

    // The image is not owned; null draws nothing.
    void SetImage(const ImageEx* image);
    // Non-zero: the subclass gives the window its shape itself.
    void SetOwnRegion(int ownRegion);
    void SetTransparentLabels(bool transparent);
    void SetWindowRegion(const QRegion& region);
    const QRegion& WindowRegion() const { return region_; }
    const ImageEx* Image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateRegion();

    int ownRegion_ = 0;
    const ImageEx* image_ = nullptr;
    QRegion region_;
};
