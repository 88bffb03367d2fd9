#include "FrameButtons.h"

#include "CLanguageTable.h"
#include "PageFlow.h"

FrameButtons ButtonsForPage(int page)
{
    FrameButtons buttons;
    buttons.nextCaptionKey = QStringLiteral(LANG_KEY("Next"));
    if (page == PageWelcome) {
        buttons.manual = true;
        buttons.back = false;
        buttons.nextCaptionKey = QStringLiteral(LANG_KEY("Start"));
    }
    // The connection-type page moves on through its own buttons.
    buttons.next = page != PageConnectionType;
    if (page == PageResult)
        buttons.nextCaptionKey = QStringLiteral(LANG_KEY("Finish"));
    if (page == PageLanguage) {
        buttons.back = false;
        buttons.next = false;
    }
    return buttons;
}
