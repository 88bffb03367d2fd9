// The round sign beside the result page's headline: a green tick only when
// the router is online, dots while it connects, an exclamation mark when not.
#pragma once

#include "ResultHeadline.h"

#include <QImage>

QImage DrawResultStateIcon(ResultHeadline headline, int side);
