// Reads an HTTP answer from the bytes received, without a socket: the
// connection feeds it what arrives and stops reading once it is done.
#pragma once

#include "HttpAnswer.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class HttpAnswerReader {
public:
    static constexpr std::size_t kBodyLimit = 8192;
    static constexpr std::size_t kHeadLimit = 16384;

    // A reader that does not want the body is done once the head is read.
    explicit HttpAnswerReader(bool wantBody = true);

    // Takes the next received bytes; returns true once nothing more is needed.
    bool Feed(std::string_view bytes);
    bool Done() const { return stage_ == Stage::Done; }
    bool ReceivedAny() const { return receivedAny_; }
    // Settles an answer whose head was cut off by the end of the stream.
    void EndOfStream();
    // The answer as far as it was read.
    const HttpAnswer& Answer() const { return answer_; }

    // Reads a whole answer at once, as if the stream ended after `raw`.
    static HttpAnswer Read(std::string_view raw);

private:
    enum class Stage { Head, Raw, FixedBody, ChunkSize, ChunkData, ChunkEnd, UntilClose, Done };

    std::string_view ConsumeHead(std::string_view bytes);
    std::string_view ConsumeFixedBody(std::string_view bytes);
    std::string_view ConsumeChunkLine(std::string_view bytes);
    std::string_view ConsumeChunkData(std::string_view bytes);
    std::string_view ConsumeUntilClose(std::string_view bytes);
    std::string_view StartBody(std::string_view head, std::string_view rest);
    void SwitchToRaw();
    // The status of the head's first line once that line has ended.
    std::optional<int> CompleteStatusLine() const;
    void FinishWithStatusOnly(int status);
    void AppendBody(std::string_view bytes);
    void StartNextChunk(std::string_view sizeLine);

    bool wantBody_;
    bool receivedAny_ = false;
    Stage stage_ = Stage::Head;
    std::string head_;
    std::string chunkLine_;
    std::size_t remaining_ = 0;
    HttpAnswer answer_;
};
