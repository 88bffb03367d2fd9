// What the connection-type page makes of the automatic detection's result.
#pragma once

#include "CLanguageTable.h"
#include "UserMessage.h"

#include <QString>

struct DetectionOutcome {
    bool detected = false;
    int wanType = 0;    // 1 Static IP, 2 Dynamic IP, 3 PPPoE when detected
    QString nameKey;    // language key of the type's name
    QString separator;  // between "Your connection way" and the name

    bool operator==(const DetectionOutcome&) const = default;
};

// Only 1, 2 and 3 count as detected; 0, 4 and up, and every negative value
// are a failed detection.
DetectionOutcome ClassifyDetection(int result);

// The notice for a detected type, or the warning for a failed detection.
MessageBoxText DetectionMessage(const DetectionOutcome& outcome, const CLanguageTable& language);
