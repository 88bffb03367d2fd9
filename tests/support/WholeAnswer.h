// The reader's outcome for an answer that arrived in one piece before the
// server closed the connection: what the tests and the fuzzer compare with.
#pragma once

#include "HttpAnswerReader.h"

#include <optional>
#include <string_view>

inline std::optional<HttpAnswer> ReadWholeAnswer(std::string_view raw)
{
    HttpAnswerReader reader;
    if (reader.Feed(raw) == HttpAnswerReader::Progress::Reading)
        reader.EndOfStream();
    if (reader.Current() != HttpAnswerReader::Progress::Complete)
        return std::nullopt;
    return reader.Answer();
}
