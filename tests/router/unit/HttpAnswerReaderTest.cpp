#include "HttpAnswerReader.h"
#include "WholeAnswer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

namespace {

// `status` -1: the exchange failed, nothing was read.
struct AnswerCase {
    const char* name;
    std::string raw;
    int status;
    std::string body;
};

constexpr int kFailed = -1;

std::string Repeat(char c, std::size_t count) { return std::string(count, c); }

std::string HexChunk(const std::string& data)
{
    char size[32];
    std::snprintf(size, sizeof size, "%zX\r\n", data.size());
    return size + data + "\r\n";
}

void ExpectOutcome(const std::optional<HttpAnswer>& answer, const AnswerCase& expected)
{
    if (expected.status == kFailed) {
        EXPECT_FALSE(answer.has_value());
        return;
    }
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->status, expected.status);
    EXPECT_EQ(answer->body, expected.body);
}

class RouterAnswerReading : public testing::TestWithParam<AnswerCase> {};

TEST_P(RouterAnswerReading, ReadsStatusAndBodyWhole)
{
    ExpectOutcome(ReadWholeAnswer(GetParam().raw), GetParam());
}

TEST_P(RouterAnswerReading, ReadsTheSameWhenBytesArriveOneByOne)
{
    HttpAnswerReader reader;
    for (const char c : GetParam().raw) {
        if (reader.Feed(std::string_view(&c, 1)) != HttpAnswerReader::Progress::Reading) {
            break;
        }
    }
    reader.EndOfStream();
    const bool complete = reader.Current() == HttpAnswerReader::Progress::Complete;
    ExpectOutcome(complete ? std::optional<HttpAnswer>(reader.Answer()) : std::nullopt, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Answers, RouterAnswerReading,
    testing::Values(
        AnswerCase{"ContentLength", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhelloEXTRA", 200, "hello"},
        AnswerCase{"FieldNameCaseIgnored", "HTTP/1.1 200 OK\r\ncontent-length:3\r\n\r\nabcdef", 200, "abc"},
        AnswerCase{"Chunked",
            "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n7;ext=1\r\n, world\r\n"
            "0\r\n\r\nJUNK",
            200, "hello, world"},
        AnswerCase{"ChunkedUpperHex",
            "HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\n\r\nA\r\n0123456789\r\n0\r\n\r\n", 200, "0123456789"},
        AnswerCase{"LengthAndChunkedTogetherFail",
            "HTTP/1.1 200 OK\r\nContent-Length: 3\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n0\r\n\r\n",
            kFailed, ""},
        AnswerCase{"ChunkedBadSizeFails",
            "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nok\r\nzz\r\nmore", kFailed, ""},
        AnswerCase{"ChunkedWithoutLastChunkFails",
            "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nok\r\n", kFailed, ""},
        AnswerCase{"CloseDelimited", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nuntil close", 200, "until close"},
        AnswerCase{"Http10", "HTTP/1.0 200 OK\r\n\r\nold server", 200, "old server"},
        AnswerCase{"Redirect", "HTTP/1.0 302 Found\r\nLocation: /\r\nContent-Length: 2\r\n\r\nok", 302, "ok"},
        AnswerCase{"ServerError", "HTTP/1.1 500 Internal\r\nContent-Length: 4\r\n\r\noops", 500, "oops"},
        AnswerCase{"Unauthorized",
            "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"r\"\r\nContent-Length: 9\r\n\r\nProtected",
            401, "Protected"},
        AnswerCase{"NotFound", "HTTP/1.1 404 Not Found\r\nContent-Length: 1\r\n\r\nx", 404, "x"},
        AnswerCase{"InterimAnswerSkipped",
            "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\ndone", 200, "done"},
        AnswerCase{"NoContentHasNoBody", "HTTP/1.1 204 No Content\r\n\r\nstray", 204, ""},
        AnswerCase{"OnlyInterimAnswersFail", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 102 Processing\r\n\r\n",
            kFailed, ""},
        AnswerCase{"BadLengthFails", "HTTP/1.1 200 OK\r\nContent-Length: 1x\r\n\r\nall of it", kFailed, ""},
        AnswerCase{"BodyCutShortFails", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabcd", kFailed, ""},
        AnswerCase{"HeadCutShortFails", "HTTP/1.1 500 Internal\r\nContent-Le", kFailed, ""},
        AnswerCase{"NoStatusLine", "3\r\n", 0, "3\r\n"},
        AnswerCase{"GarbageWithHead", "garbage\r\n\r\nbody", 0, "garbage\r\n\r\nbody"},
        AnswerCase{"BadStatusCode", "HTTP/1.1 2x0 OK\r\n\r\nx", 0, "HTTP/1.1 2x0 OK\r\n\r\nx"},
        AnswerCase{"StatusLineCutShortFails", "HTTP/1.", kFailed, ""},
        AnswerCase{"LongFixedBodyCut", "HTTP/1.1 200 OK\r\nContent-Length: 10000\r\n\r\n" + Repeat('a', 10000), 200,
            Repeat('a', 8192)},
        AnswerCase{"LongCloseDelimitedCut", "HTTP/1.0 200 OK\r\n\r\n" + Repeat('b', 9000), 200, Repeat('b', 8192)},
        AnswerCase{"LongChunkedCut",
            "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + HexChunk(Repeat('c', 5000))
                + HexChunk(Repeat('d', 5000)) + "0\r\n\r\n",
            200, Repeat('c', 5000) + Repeat('d', 3192)},
        AnswerCase{"LongRawCut", Repeat('r', 9000), 0, Repeat('r', 8192)},
        AnswerCase{"NothingFails", "", kFailed, ""},
        // Line ends as embedded servers write them: the head's bare LFs are
        // read as CRLF, the body keeps its bytes.
        AnswerCase{"BareLfHeadWithLength",
            "HTTP/1.1 200 OK\nServer: s\nContent-Type: text/html\nContent-Length: 5\n\nhelloEXTRA", 200, "hello"},
        AnswerCase{"MixedLineEndsCloseDelimited",
            "HTTP/1.0 200 OK\nServer: s/2.5.0\r\nPragma: no-cache\nCache-control: no-cache\nContent-Type: text/html\n\n"
            "<html>\r\n1\n\n2\r\n\r\n</html>\n",
            200, "<html>\r\n1\n\n2\r\n\r\n</html>\n"},
        AnswerCase{"BareLfHeadChunked", "HTTP/1.1 200 OK\nTransfer-Encoding: chunked\n\n5\r\nhello\r\n0\r\n\r\n", 200,
            "hello"},
        AnswerCase{"BareLfEndsCrLfLines", "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\nok", 200, "ok"},
        AnswerCase{"CrLfEndsBareLfLines", "HTTP/1.1 200 OK\nContent-Length: 2\n\r\nok", 200, "ok"},
        AnswerCase{"BareLfRedirect", "HTTP/1.0 302 Redirect\nLocation: http://192.168.0.1/a.asp\n\nmoved", 302, "moved"},
        AnswerCase{"BareLfUnauthorized", "HTTP/1.1 401 Unauthorized\nWWW-Authenticate: Basic realm=\"r\"\n\ndenied",
            401, "denied"},
        AnswerCase{"BareLfInterimSkipped", "HTTP/1.1 100 Continue\n\nHTTP/1.1 200 OK\nContent-Length: 4\n\ndone", 200,
            "done"},
        AnswerCase{"StatusWithoutReason", "HTTP/1.0 200\r\nContent-Length: 2\r\n\r\nok", 200, "ok"},
        AnswerCase{"BareLfStatusWithoutReason", "HTTP/1.0 404\n\nnot here", 404, "not here"},
        AnswerCase{"BareLfBodyCutShortFails", "HTTP/1.0 200 OK\nContent-Length: 10\n\nabcd", kFailed, ""},
        AnswerCase{"BareLfChunkedCutShortFails", "HTTP/1.1 200 OK\nTransfer-Encoding: chunked\n\n5\r\nhello\r\n",
            kFailed, ""},
        AnswerCase{"BareLfHeadCutShortFails", "HTTP/1.0 200 OK\nContent-Type: text/html\n", kFailed, ""},
        AnswerCase{"BareLfOnlyInterimFails", "HTTP/1.1 100 Continue\n\nHTTP/1.1 100 Continue\n\n", kFailed, ""},
        AnswerCase{"BareLfBadFieldFails", "HTTP/1.1 200 OK\nNot a field\n\nx", kFailed, ""},
        AnswerCase{"StatusCodeRunningOnFails", "HTTP/1.1 2000 OK\n\nx", kFailed, ""}),
    [](const testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

using Progress = HttpAnswerReader::Progress;

TEST(RouterAnswerReaderStops, OnceTheBodyLimitIsReached)
{
    HttpAnswerReader reader;
    EXPECT_EQ(reader.Feed("HTTP/1.0 200 OK\r\n\r\n"), Progress::Reading);
    EXPECT_EQ(reader.Feed(Repeat('x', 8191)), Progress::Reading);
    EXPECT_EQ(reader.Feed("yz"), Progress::Complete);
    EXPECT_EQ(reader.Answer().body.size(), HttpAnswerReader::kBodyLimit);
    EXPECT_EQ(reader.Answer().body.back(), 'y');
}

TEST(RouterAnswerReaderStops, AfterAFinalHeadWhenTheBodyIsNotWanted)
{
    HttpAnswerReader reader(false);
    EXPECT_EQ(reader.Feed("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 5\r\n"),
        Progress::Reading);
    EXPECT_EQ(reader.Feed("\r\nhel"), Progress::Complete);
    EXPECT_EQ(reader.Answer().status, 200);
    EXPECT_EQ(reader.Answer().body, "");
}

TEST(RouterAnswerReaderStops, FailingWhenAHeadNeverEnds)
{
    for (const std::string lineEnd : {"\r\n", "\n"}) {
        HttpAnswerReader reader;
        reader.Feed("HTTP/1.1 200 OK" + lineEnd);
        EXPECT_EQ(reader.Feed("X-Filler: " + Repeat('f', HttpAnswerReader::kHeadLimit)), Progress::Failed);
    }
}

TEST(RouterAnswerReaderStops, FailingWhenAHeadEndsBeyondItsLimit)
{
    HttpAnswerReader reader;
    const std::string filler = "X-Filler: " + Repeat('f', 80) + "\n";
    std::string head = "HTTP/1.1 200 OK\n";
    while (head.size() <= HttpAnswerReader::kHeadLimit) {
        head += filler;
    }
    EXPECT_EQ(reader.Feed(head + "\nbody"), Progress::Failed);
}

TEST(RouterAnswerReaderStops, WithoutReservingADeclaredHugeBody)
{
    HttpAnswerReader reader;
    EXPECT_EQ(reader.Feed("HTTP/1.1 200 OK\r\nContent-Length: 999999999999999\r\n\r\nstart"), Progress::Reading);
    EXPECT_EQ(reader.EndOfStream(), Progress::Failed);
}

} // namespace
