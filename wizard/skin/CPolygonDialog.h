// Dialog dressed in a skin picture: the picture is the whole background and
// the window's shape is the picture without its key colour. Top-level
// windows can be dragged by any point of their body.
#pragma once

#include "ColorRef.h"
#include "DialogRelayout.h"

#include <QDialog>
#include <QImage>
#include <QRegion>

class CPolygonDialog : public QDialog {
    Q_OBJECT
public:
    // Builds the controls of the template; the window is frameless.
    explicit CPolygonDialog(int templateId, QWidget* parent = nullptr);

    // Takes effect when the dialog initialises; later calls change nothing.
    int SetSkinBitmap(const QString& path, ColorRef keyColor);
    QSize GetSkinSize() const;
    // The shape computed from the picture; empty without a picture.
    const QRegion& SkinRegion() const { return region_; }
    // True when the window is see-through outside its picture instead of cut by the region.
    bool HasSmoothEdges() const { return smoothEdges_; }
    // What is painted: the skin, or its "@2x" twin on dense screens, key colour transparent.
    const QImage& PaintedPicture() const { return picture_; }

    // Turns the dialog into a page inside another window: no own frame, no
    // dragging, and Enter or Escape never close it.
    void MakeChildPage();

    // Loads the skin and runs OnInitDialog once; showing the dialog does it.
    void InitDialog();
    void setVisible(bool visible) override;

protected:
    virtual void OnInitDialog() {}
    // Lays the dialog out again from its template when ScreenDpi is not 96.
    void RelayoutForScreen();
    // Gives the controls back the fonts they had before the relayout.
    void RestoreLayout() { relayout_.Restore(); }
    virtual void DrawOverlay(QPainter&) {}

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void CreateSkin();

    int templateId_;
    QString skinPath_;
    ColorRef keyColor_ = kSkinKeyColor;
    bool dragEnabled_ = true;
    bool initialised_ = false;
    QSize skinSize_{0, 0};
    QImage picture_;
    QRegion region_;
    bool smoothEdges_ = false;
    DialogRelayout relayout_;
};
