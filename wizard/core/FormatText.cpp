#include "FormatText.h"

#include <cstdarg>

QString FormatTextList(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    QString text = QString::vasprintf(format, args);
    va_end(args);
    text.truncate(formatTextRoom);
    return text;
}
