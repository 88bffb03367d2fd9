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

std::optional<HttpAnswer> HttpAnswerReader::Read(std::string_view raw)
{
    HttpAnswerReader reader;
    if (reader.Feed(raw) == Progress::Reading) {
        reader.EndOfStream();
    }
    if (reader.Current() != Progress::Complete) {
        return std::nullopt;
    }
    return reader.Answer();
}

void HttpAnswerReader::StartParser()
{
    parser_.emplace();
    parser_->header_limit(kHeadLimit);
    // The body is cut at kBodyLimit instead. (No limit as boost::none would
    // compare as smaller than any declared length in this Beast.)
    parser_->body_limit(std::numeric_limits<std::uint64_t>::max());
    parser_->eager(true);
}

void HttpAnswerReader::ParsePending()
{
    while (progress_ == Progress::Reading && !plainText_ && !pending_.empty()) {
        // A message's first bytes reach the parser only once they are known
        // to be a status line; the parser takes them before the line ends.
        if (!parser_->got_some()) {
            plainText_ = !CouldStartStatusLine(pending_);
            if (plainText_ || pending_.size() < kShape.size()) {
                return;
            }
        }
        boost::system::error_code error;
        const std::size_t used = parser_->put(boost::asio::buffer(pending_), error);
        pending_.erase(0, used);
        if (error == http::error::need_more) {
            return;
        }
        if (error) {
            progress_ = Progress::Failed;
            return;
        }
        if (!TakeParsedHead() && used == 0) {
            return;
        }
    }
}

// True when the parser may go on with what is pending.
bool HttpAnswerReader::TakeParsedHead()
{
    if (!parser_->is_header_done()) {
        return true;
    }
    if (IsInterim(parser_->get().result_int())) {
        StartParser(); // the final answer follows
        return true;
    }
    if (!wantBody_ || parser_->is_done() || parser_->get().body().size() >= kBodyLimit) {
        Complete();
    }
    return false;
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
