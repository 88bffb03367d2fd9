// Answers as a router or anything else on the network may send them: the
// reader must never read past its limits, and must give the same outcome
// however the bytes are split into arrivals.
#include "HttpAnswerReader.h"
#include "WholeAnswer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const std::optional<HttpAnswer> whole = ReadWholeAnswer(raw);
    if (whole && (whole->body.size() > HttpAnswerReader::kBodyLimit || whole->status < 0 || whole->status > 999)) {
        std::abort();
    }
    const std::size_t split = size == 0 ? 0 : data[0] % size;
    HttpAnswerReader reader;
    if (reader.Feed(raw.substr(0, split)) == HttpAnswerReader::Progress::Reading
        && reader.Feed(raw.substr(split)) == HttpAnswerReader::Progress::Reading) {
        reader.EndOfStream();
    }
    const bool complete = reader.Current() == HttpAnswerReader::Progress::Complete;
    if (complete != whole.has_value()
        || (complete && (reader.Answer().status != whole->status || reader.Answer().body != whole->body))) {
        std::abort();
    }
    return 0;
}
