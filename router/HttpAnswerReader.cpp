#include "HttpAnswerReader.h"

#include <boost/asio/buffer.hpp>
#include <boost/beast/http/error.hpp>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace http = boost::beast::http;

namespace {

constexpr std::string_view kShape = "HTTP/9.9 999";

// Whether `bytes` can still begin "HTTP/" digit "." digit, a blank and a
// three-digit status; anything else is not an HTTP answer at all.
bool CouldStartStatusLine(std::string_view bytes)
{
    const std::size_t length = std::min(bytes.size(), kShape.size());
    for (std::size_t i = 0; i < length; ++i) {
        const bool isDigit = bytes[i] >= '0' && bytes[i] <= '9';
        if (kShape[i] == '9' ? !isDigit : bytes[i] != kShape[i]) {
            return false;
        }
    }
    return true;
}

bool IsInterim(unsigned status) { return status / 100 == 1 && status != 101; }

// Where the head ends (after its empty line), or nothing while it has not
// arrived. A line may end in a bare LF (RFC 9112, section 2.2).
std::optional<std::size_t> HeadSize(std::string_view bytes)
{
    for (std::size_t lf = bytes.find('\n'); lf != std::string_view::npos; lf = bytes.find('\n', lf + 1)) {
        const std::string_view next = bytes.substr(lf + 1, 2);
        if (next.starts_with('\n')) {
            return lf + 2;
        }
        if (next == "\r\n") {
            return lf + 3;
        }
    }
    return std::nullopt;
}

// Embedded servers end the status and header lines with a bare LF, wholly
// or mixed with CRLF, and some leave out the blank before an empty reason;
// browsers read both. Beast takes neither, so its copy of the head gets a
// CR before every bare LF and the blank after a status code that ends the line.
std::string WithCrLfLineEnds(std::string_view head)
{
    std::string result;
    result.reserve(head.size() + head.size() / 8 + 1);
    for (std::size_t i = 0; i < head.size(); ++i) {
        if (i == kShape.size() && (head[i] == '\r' || head[i] == '\n')) {
            result += ' ';
        }
        if (head[i] == '\n' && (i == 0 || head[i - 1] != '\r')) {
            result += '\r';
        }
        result += head[i];
    }
    return result;
}

} // namespace

HttpAnswerReader::HttpAnswerReader(bool wantBody) : wantBody_(wantBody) { StartParser(); }

HttpAnswerReader::Progress HttpAnswerReader::Feed(std::string_view bytes)
{
    if (progress_ != Progress::Reading || bytes.empty()) {
        return progress_;
    }
    pending_.append(bytes);
    ParsePending();
    if (plainText_) {
        TakePlainText();
    }
    return progress_;
}

HttpAnswerReader::Progress HttpAnswerReader::EndOfStream()
{
    if (progress_ != Progress::Reading) {
        return progress_;
    }
    if (plainText_) {
        Complete();
        return progress_;
    }
    boost::system::error_code error;
    if (parser_->is_header_done() && pending_.empty()) {
        parser_->put_eof(error);
    }
    progress_ = parser_->is_done() && !error ? Progress::Complete : Progress::Failed;
    if (progress_ == Progress::Complete) {
        Complete();
    }
    return progress_;
}

void HttpAnswerReader::StartParser()
{
    parser_.emplace();
    // kHeadLimit bounds the head as received; the parser's copy may have
    // gained a CR per line.
    parser_->header_limit(2 * kHeadLimit);
    // The body is cut at kBodyLimit instead. (No limit as boost::none would
    // compare as smaller than any declared length in this Beast.)
    parser_->body_limit(std::numeric_limits<std::uint64_t>::max());
    parser_->eager(true);
}

void HttpAnswerReader::ParsePending()
{
    while (progress_ == Progress::Reading && !plainText_ && !pending_.empty()) {
        // A message's first bytes reach the parser only once they are known
        // to be a status line.
        if (!parser_->got_some()) {
            plainText_ = !CouldStartStatusLine(pending_);
            if (plainText_ || pending_.size() < kShape.size()) {
                return;
            }
        }
        if (!(parser_->is_header_done() ? PutBody() : PutHead())) {
            return;
        }
    }
}

// The head goes to the parser whole, once its empty line has arrived, with
// its line ends made the way Beast reads them.
bool HttpAnswerReader::PutHead()
{
    const std::optional<std::size_t> size = HeadSize(pending_);
    if (!size || *size > kHeadLimit) {
        if (size || pending_.size() >= kHeadLimit) {
            progress_ = Progress::Failed;
        }
        return false;
    }
    const std::string head = WithCrLfLineEnds(std::string_view(pending_).substr(0, *size));
    boost::system::error_code error;
    const std::size_t used = parser_->put(boost::asio::buffer(head), error);
    if (error || used != head.size() || !parser_->is_header_done()) {
        progress_ = Progress::Failed;
        return false;
    }
    pending_.erase(0, *size);
    TakeParsed();
    return true;
}

bool HttpAnswerReader::PutBody()
{
    boost::system::error_code error;
    const std::size_t used = parser_->put(boost::asio::buffer(pending_), error);
    pending_.erase(0, used);
    if (error && error != http::error::need_more) {
        progress_ = Progress::Failed;
        return false;
    }
    TakeParsed();
    return !error && used > 0;
}

// After a head or body bytes: an interim answer makes way for the final
// one, which is complete once it needs no more.
void HttpAnswerReader::TakeParsed()
{
    if (IsInterim(parser_->get().result_int())) {
        StartParser();
        return;
    }
    if (!wantBody_ || parser_->is_done() || parser_->get().body().size() >= kBodyLimit) {
        Complete();
    }
}

void HttpAnswerReader::TakePlainText()
{
    if (wantBody_) {
        const std::size_t room = kBodyLimit - answer_.body.size();
        answer_.body.append(pending_, 0, std::min(room, pending_.size()));
    }
    pending_.clear();
    if (!wantBody_ || answer_.body.size() >= kBodyLimit) {
        progress_ = Progress::Complete;
    }
}

void HttpAnswerReader::Complete()
{
    progress_ = Progress::Complete;
    if (plainText_) {
        return; // no status, the text is already the body
    }
    answer_.status = static_cast<int>(parser_->get().result_int());
    if (wantBody_) {
        answer_.body = std::move(parser_->get().body());
    }
}
