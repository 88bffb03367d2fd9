// Reads an HTTP answer from the bytes received, without a socket: the
// connection feeds it what arrives until it is complete or has failed.
// Beast's response parser does the reading; around it stay only what
// Beast does not do: skipping interim (1xx) answers, taking an answer
// without a status line as plain page text, stopping at 8192 body bytes,
// and reading a head whose lines end in a bare LF.
#pragma once

#include "FirstBytesBody.h"
#include "HttpAnswer.h"

#include <boost/beast/http/parser.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class HttpAnswerReader {
public:
    static constexpr std::size_t kBodyLimit = 8192;
    static constexpr std::size_t kHeadLimit = 16384;

    enum class Progress { Reading, Complete, Failed };

    // A reader that does not want the body is complete once a final head is read.
    explicit HttpAnswerReader(bool wantBody = true);

    Progress Feed(std::string_view bytes);
    // The peer closed: completes a close-delimited body or plain text, fails anything cut short.
    Progress EndOfStream();
    Progress Current() const { return progress_; }
    // The answer read; meaningful once complete.
    const HttpAnswer& Answer() const { return answer_; }

    // Reads a whole answer at once, as if the stream ended after `raw`; nothing when it failed.

private:
    using Parser = boost::beast::http::response_parser<FirstBytesBody<kBodyLimit>>;

    void StartParser();
    void ParsePending();
    // Each true when the parser took something and may go on with what is pending.
    bool PutHead();
    bool PutBody();
    void TakeParsed();
    void TakePlainText();
    void Complete();

    bool wantBody_;
    bool plainText_ = false;
    Progress progress_ = Progress::Reading;
    std::string pending_;
    std::optional<Parser> parser_;
    HttpAnswer answer_;
};
