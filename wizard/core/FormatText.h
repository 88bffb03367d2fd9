// printf-style formatting of texts such as "%sSkin\progress%d.png", cut to
// 1022 characters like the fixed buffer the texts were built in.
#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <type_traits>

constexpr qsizetype formatTextRoom = 1022;

QString FormatTextList(const char* format, ...);

namespace format_text_detail {

// Texts travel as UTF-8 for "%s"; the temporaries live until the call returns.
inline QByteArray Hold(const QString& text) { return text.toUtf8(); }
inline QByteArray Hold(const std::string& text) { return QByteArray::fromStdString(text); }
inline QByteArray Hold(const char* text) { return QByteArray(text); }
template <typename T>
    requires std::is_arithmetic_v<T>
T Hold(T value) { return value; }

inline const char* Pass(const QByteArray& text) { return text.constData(); }
template <typename T>
    requires std::is_arithmetic_v<T>
T Pass(T value) { return value; }

} // namespace format_text_detail

template <typename... Args>
QString FormatText(const char* format, const Args&... args)
{
    using namespace format_text_detail;
    return FormatTextList(format, Pass(Hold(args))...);
}
