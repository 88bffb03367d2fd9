// Dialog whose background is a picture drawn stretched over it, with
// transparent labels; base of the progress dialog.
#pragma once

#include <QDialog>
#include <QRegion>

class QPainter;
class QPainterPath;

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
    // Rounded corners whose ellipse is ellipse × ellipse, outlined by a
    // border: blended on a see-through window, cut by the region otherwise.
    void SetRoundedShape(int ellipse);
    bool HasSmoothEdges() const { return smoothEdges_; }
    const QRegion& WindowRegion() const { return region_; }
    const ImageEx* Image() const { return image_; }
    // Opens centred on the wizard's window.
    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateRegion();
    void PaintImage(QPainter& painter) const;
    void PaintRoundedEdge(QPainter& painter) const;
    QPainterPath RoundedOutline(qreal inset) const;

    int ownRegion_ = 0;
    const ImageEx* image_ = nullptr;
    QRegion region_;
    int cornerEllipse_ = 0;
    bool smoothEdges_ = false;
};
