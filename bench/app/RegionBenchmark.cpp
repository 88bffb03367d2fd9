// Building the main frame's window shape from its generated skin picture.
#include "ColorRef.h"
#include "Median.h"
#include "SkinRegion.h"

#include <QImage>

#include <chrono>
#include <cstdio>

int main()
{
    const QImage skin(QStringLiteral(SETUP_PROGRAM_DIR "/Skin/dlgMainUI.bmp"));
    if (skin.isNull()) {
        std::puts("Skin/dlgMainUI.bmp is missing: build corvane_assets first");
        return 1;
    }
    constexpr int kRuns = 50;
    std::vector<double> milliseconds;
    int rectangles = 0;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const QRegion region = RegionFromImage(skin, kSkinKeyColor);
        milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        rectangles = region.rectCount();
    }
    std::printf("frame shape from %dx%d skin: median %.3f ms over %d runs, %d rectangles (target < 10 ms)\n",
                skin.width(), skin.height(), Median(milliseconds), kRuns, rectangles);
    return 0;
}
