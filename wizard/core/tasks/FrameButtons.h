// Which of the frame's buttons a page shows, and Next's caption key.
#pragma once

#include <QString>

struct FrameButtons {
    bool back = true;
    bool next = true;
    bool exit = true;
    bool manual = false;
    QString nextCaptionKey;

    bool operator==(const FrameButtons&) const = default;
};

FrameButtons ButtonsForPage(int page);
