#include "HttpAnswerReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct AnswerCase {
    const char* name;
    std::string raw;
    int status;
    std::string body;
};

std::string Repeat(char c, std::size_t count) { return std::string(count, c); }

std::string HexChunk(const std::string& data)
{
    char size[32];
    std::snprintf(size, sizeof size, "%zX\r\n", data.size());
    return size + data + "\r\n";
}

class RouterAnswerReading : public testing::TestWithParam<AnswerCase> {};

TEST_P(RouterAnswerReading, ReadsStatusAndBodyWhole)
{
    const HttpAnswer answer = HttpAnswerReader::Read(GetParam().raw);
    EXPECT_EQ(answer.status, GetParam().status);
    EXPECT_EQ(answer.body, GetParam().body);
}

TEST_P(RouterAnswerReading, ReadsTheSameWhenBytesArriveOneByOne)
{
    HttpAnswerReader reader;
    for (const char c : GetParam().raw) {
        if (reader.Feed(std::string_view(&c, 1))) {
            break;
        }
    }
    reader.EndOfStream();
    EXPECT_EQ(reader.Answer().status, GetParam().status);
    EXPECT_EQ(reader.Answer().body, GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(Answers, RouterAnswerReading,
    testing::Values(
        AnswerCase{"ContentLength", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhelloEXTRA", 200, "hello"},
        AnswerCase{"FieldNameCaseIgnored", "HTTP/1.1 200 OK\r\ncontent-length:3\r\n\r\nabcdef", 200, "abc"},
        AnswerCase{"Chunked",
            "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n7;ext=1\r\n, world\r\n"
            "0\r\n\r\nJUNK",
            200, "hello, world"},
        AnswerCase{"ChunkedUpperHexOverLength",
            "HTTP/1.1 200 OK\r\nContent-Length: 3\r\nTransfer-Encoding: Chunked\r\n\r\nA\r\n0123456789\r\n0\r\n\r\n",
            200, "0123456789"},
        AnswerCase{"ChunkedBadSizeKeepsWhatCame",
            "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nok\r\nzz\r\nmore", 200, "ok"},
        AnswerCase{"CloseDelimited", "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\nuntil close", 200, "until close"},
        AnswerCase{"Http10", "HTTP/1.0 200 OK\r\n\r\nold server", 200, "old server"},
        AnswerCase{"BareLineFeeds", "HTTP/1.0 302 Found\nLocation: /\nContent-Length: 2\n\nok", 302, "ok"},
        AnswerCase{"Unauthorized",
            "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"r\"\r\nContent-Length: 9\r\n\r\nProtected",
            401, "Protected"},
        AnswerCase{"StatusWithoutReason", "HTTP/1.1 404\r\nContent-Length: 1\r\n\r\nx", 404, "x"},
        AnswerCase{"InterimAnswerSkipped",
            "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\ndone", 200, "done"},
        AnswerCase{"NoContentHasNoBody", "HTTP/1.1 204 No Content\r\n\r\nstray", 204, ""},
        AnswerCase{"BadLengthReadsUntilClose", "HTTP/1.1 200 OK\r\nContent-Length: 1x\r\n\r\nall of it", 200,
            "all of it"},
        AnswerCase{"BodyCutShort", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabcd", 200, "abcd"},
        AnswerCase{"HeadCutShort", "HTTP/1.1 500 Internal\r\nContent-Le", 500, ""},
        AnswerCase{"NoStatusLine", "3\r\n", 0, "3\r\n"},
        AnswerCase{"GarbageWithHead", "garbage\r\n\r\nbody", 0, "garbage\r\n\r\nbody"},
        AnswerCase{"BadStatusCode", "HTTP/1.1 2x0 OK\r\n\r\nx", 0, "HTTP/1.1 2x0 OK\r\n\r\nx"},
        AnswerCase{"StatusLineCutShort", "HTTP/1.", 0, "HTTP/1."},
        AnswerCase{"LongFixedBodyCut", "HTTP/1.1 200 OK\r\nContent-Length: 10000\r\n\r\n" + Repeat('a', 10000), 200,
            Repeat('a', 8192)},
        AnswerCase{"LongCloseDelimitedCut", "HTTP/1.0 200 OK\r\n\r\n" + Repeat('b', 9000), 200, Repeat('b', 8192)},
        AnswerCase{"LongChunkedCut",
            "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" + HexChunk(Repeat('c', 5000))
                + HexChunk(Repeat('d', 5000)) + "0\r\n\r\n",
            200, Repeat('c', 5000) + Repeat('d', 3192)},
        AnswerCase{"LongRawCut", Repeat('r', 9000), 0, Repeat('r', 8192)},
        AnswerCase{"Nothing", "", 0, ""}),
    [](const testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

TEST(RouterAnswerReaderStops, OnceTheBodyLimitIsReached)
{
    HttpAnswerReader reader;
    EXPECT_FALSE(reader.Feed("HTTP/1.0 200 OK\r\n\r\n"));
    EXPECT_FALSE(reader.Feed(Repeat('x', 8191)));
    EXPECT_TRUE(reader.Feed("yz"));
    EXPECT_EQ(reader.Answer().body.size(), HttpAnswerReader::kBodyLimit);
    EXPECT_EQ(reader.Answer().body.back(), 'y');
}

TEST(RouterAnswerReaderStops, AfterTheHeadWhenTheBodyIsNotWanted)
{
    HttpAnswerReader reader(false);
    EXPECT_FALSE(reader.Feed("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n"));
    EXPECT_TRUE(reader.Feed("\r\nhel"));
    EXPECT_EQ(reader.Answer().status, 200);
    EXPECT_EQ(reader.Answer().body, "");
}

TEST(RouterAnswerReaderStops, WhenAHeadNeverEnds)
{
    HttpAnswerReader reader;
    reader.Feed("HTTP/1.1 200 OK\r\n");
    EXPECT_TRUE(reader.Feed("X-Filler: " + Repeat('f', HttpAnswerReader::kHeadLimit)));
    EXPECT_EQ(reader.Answer().status, 200);
    EXPECT_EQ(reader.Answer().body, "");
}

} // namespace
