// The five pictures the progress window cycles through: dots travel from
// the computer to the router, whose waves grow one arc per picture.
#pragma once

#include <QImage>

class ProgressArt {
public:
    // frame is 1 to 5.
    static QImage Picture(int frame);
};
