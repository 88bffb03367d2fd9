#include "HttpAnswerReader.h"

#include "HttpHead.h"

#include <algorithm>

namespace {

constexpr std::size_t kChunkLineLimit = 1024;

bool IsInterim(int status) { return status / 100 == 1 && status != 101; }

} // namespace

HttpAnswerReader::HttpAnswerReader(bool wantBody) : wantBody_(wantBody) {}

bool HttpAnswerReader::Feed(std::string_view bytes)
{
    receivedAny_ = receivedAny_ || !bytes.empty();
    while (!bytes.empty() && stage_ != Stage::Done) {
        switch (stage_) {
        case Stage::Head:
            bytes = ConsumeHead(bytes);
            break;
        case Stage::FixedBody:
            bytes = ConsumeFixedBody(bytes);
            break;
        case Stage::ChunkSize:
        case Stage::ChunkEnd:
            bytes = ConsumeChunkLine(bytes);
            break;
        case Stage::ChunkData:
            bytes = ConsumeChunkData(bytes);
            break;
        case Stage::Raw:
        case Stage::UntilClose:
            bytes = ConsumeUntilClose(bytes);
            break;
        case Stage::Done:
            break;
        }
    }
    return Done();
}

void HttpAnswerReader::EndOfStream()
{
    if (stage_ != Stage::Head) {
        return;
    }
    if (const std::optional<int> status = CompleteStatusLine()) {
        FinishWithStatusOnly(*status);
    } else if (receivedAny_) {
        SwitchToRaw();
    }
    stage_ = Stage::Done;
}

HttpAnswer HttpAnswerReader::Read(std::string_view raw)
{
    HttpAnswerReader reader;
    reader.Feed(raw);
    reader.EndOfStream();
    return reader.Answer();
}

std::string_view HttpAnswerReader::ConsumeHead(std::string_view bytes)
{
    head_.append(bytes);
    for (;;) {
        const bool lineEnded = head_.find('\n') != std::string::npos;
        const std::string_view head(head_);
        const std::optional<int> status = CompleteStatusLine();
        if (!HttpHead::CouldStartStatusLine(head) || (lineEnded && !status)) {
            SwitchToRaw();
            return {};
        }
        const auto headEnd = HttpHead::FindHeadEnd(head);
        if (!headEnd) {
            if (head_.size() > kHeadLimit) {
                status ? FinishWithStatusOnly(*status) : SwitchToRaw();
            }
            return {};
        }
        if (IsInterim(*status)) {
            head_.erase(0, *headEnd);
            continue;
        }
        answer_.status = *status;
        return StartBody(head.substr(0, *headEnd), head.substr(*headEnd));
    }
}

std::string_view HttpAnswerReader::StartBody(std::string_view head, std::string_view rest)
{
    const int status = answer_.status;
    if (!wantBody_ || status / 100 == 1 || status == 204 || status == 304) {
        stage_ = Stage::Done;
        return {};
    }
    const auto encoding = HttpHead::FieldValue(head, "Transfer-Encoding");
    if (encoding && HttpHead::ContainsNoCase(*encoding, "chunked")) {
        stage_ = Stage::ChunkSize;
        return rest;
    }
    const auto lengthField = HttpHead::FieldValue(head, "Content-Length");
    const auto length = lengthField ? HttpHead::ParseLength(*lengthField) : std::nullopt;
    if (length) {
        remaining_ = *length;
        stage_ = remaining_ == 0 ? Stage::Done : Stage::FixedBody;
        return rest;
    }
    stage_ = Stage::UntilClose;
    return rest;
}

std::string_view HttpAnswerReader::ConsumeFixedBody(std::string_view bytes)
{
    const std::size_t take = std::min(remaining_, bytes.size());
    AppendBody(bytes.substr(0, take));
    remaining_ -= take;
    if (remaining_ == 0) {
        stage_ = Stage::Done;
    }
    return bytes.substr(take);
}

std::string_view HttpAnswerReader::ConsumeChunkLine(std::string_view bytes)
{
    const std::size_t lineEnd = bytes.find('\n');
    if (lineEnd == std::string_view::npos) {
        chunkLine_.append(bytes);
        if (chunkLine_.size() > kChunkLineLimit) {
            stage_ = Stage::Done;
        }
        return {};
    }
    chunkLine_.append(bytes.substr(0, lineEnd));
    if (stage_ == Stage::ChunkEnd) {
        stage_ = Stage::ChunkSize;
    } else {
        StartNextChunk(chunkLine_);
    }
    chunkLine_.clear();
    return bytes.substr(lineEnd + 1);
}

void HttpAnswerReader::StartNextChunk(std::string_view sizeLine)
{
    const auto size = HttpHead::ParseChunkSize(sizeLine);
    if (!size || *size == 0) {
        // The last chunk, or one we cannot read: keep what arrived so far.
        stage_ = Stage::Done;
        return;
    }
    remaining_ = *size;
    stage_ = Stage::ChunkData;
}

std::string_view HttpAnswerReader::ConsumeChunkData(std::string_view bytes)
{
    const std::size_t take = std::min(remaining_, bytes.size());
    AppendBody(bytes.substr(0, take));
    remaining_ -= take;
    if (remaining_ == 0 && stage_ != Stage::Done) {
        stage_ = Stage::ChunkEnd;
    }
    return bytes.substr(take);
}

std::string_view HttpAnswerReader::ConsumeUntilClose(std::string_view bytes)
{
    AppendBody(bytes);
    return {};
}

void HttpAnswerReader::SwitchToRaw()
{
    // No status line: the bytes themselves are the answer's text.
    answer_.status = 0;
    answer_.body.clear();
    stage_ = wantBody_ ? Stage::Raw : Stage::Done;
    AppendBody(head_);
    head_.clear();
}

std::optional<int> HttpAnswerReader::CompleteStatusLine() const
{
    const std::size_t lineEnd = head_.find('\n');
    if (lineEnd == std::string::npos) {
        return std::nullopt;
    }
    return HttpHead::ParseStatusLine(std::string_view(head_).substr(0, lineEnd));
}

void HttpAnswerReader::FinishWithStatusOnly(int status)
{
    answer_.status = status;
    stage_ = Stage::Done;
}

void HttpAnswerReader::AppendBody(std::string_view bytes)
{
    if (!wantBody_) {
        return;
    }
    const std::size_t room = kBodyLimit - answer_.body.size();
    answer_.body.append(bytes.substr(0, room));
    if (answer_.body.size() == kBodyLimit) {
        stage_ = Stage::Done;
    }
}
