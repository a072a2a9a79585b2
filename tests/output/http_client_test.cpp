#include <gtest/gtest.h>

#include "loopback_server.h"
#include "output/http_client.h"
#include "output/usage_report.h"

using namespace voltaris;
using voltaris::testing::LoopbackServer;
using voltaris::testing::OkReply;

namespace {

std::string Local(int port) { return "http://127.0.0.1:" + std::to_string(port); }

// Records what the error hooks are told.
class RecordingClient : public HttpClient {
public:
    std::vector<std::string> errors;

protected:
    void OnConnectError(const std::string&, int32_t, UrlScheme, const std::string& message) override {
        errors.push_back("connect: " + message);
    }
    void OnRequestError(const std::string&, int32_t, UrlScheme, const std::string& path,
                        const std::string& message) override {
        errors.push_back("request " + path + ": " + message);
    }
};

std::string BodyOf(const std::string& request) { return request.substr(request.find("\r\n\r\n") + 4); }

std::string ReadAll(HttpClient& client, size_t chunk) {
    std::string all;
    std::vector<char> buffer(chunk);
    while (const size_t n = client.ReadResponseChunk(buffer.data(), buffer.size())) all.append(buffer.data(), n);
    return all;
}

}  // namespace

TEST(UsageReport, PostsTheSendFieldAsA124ByteMultipartBody) {
    LoopbackServer server(OkReply("danke"));
    ASSERT_TRUE(SendUsageReport(Local(server.Port())));
    const std::string request = server.LastRequest();
    EXPECT_EQ(request.rfind("POST /potenzial/index2.php HTTP/1.0\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("\r\nAccept: */*\r\n"), std::string::npos);
    EXPECT_NE(request.find("\r\nUser-Agent: Mozilla/4.0 (compatible; )\r\n"), std::string::npos);
    EXPECT_NE(request.find("\r\nContent-Type: multipart/form-data; boundary=--MULTI-PARTS-FORM-DATA-BOUNDARY\r\n"),
              std::string::npos);
    EXPECT_NE(request.find("\r\nContent-Length: 124\r\n"), std::string::npos);
    EXPECT_EQ(request.find("Expect:"), std::string::npos);
    const std::string body = BodyOf(request);
    EXPECT_EQ(body,
              "----MULTI-PARTS-FORM-DATA-BOUNDARY\r\n"
              "Content-Disposition: form-data; name=\"Send\"\r\n"
              "\r\n"
              "1\r\n"
              "----MULTI-PARTS-FORM-DATA-BOUNDARY--\r\n");
    EXPECT_EQ(body.size(), 124u);
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST(UsageReport, EmptyAddressOrUnreachableServerSendsNothingAndFailsQuietly) {
    EXPECT_FALSE(SendUsageReport(""));
    EXPECT_FALSE(SendUsageReport(Local(LoopbackServer::UnusedPort())));
}

TEST(HttpClient, FormPostSendsTheFieldsJoinedWithoutEscaping) {
    LoopbackServer server(OkReply("ok"));
    HttpClient client;
    ASSERT_TRUE(client.Connect(Local(server.Port()), "", "", "test"));
    client.AddFormField("a", "1", false);
    client.AddFormField("b", "2", false);
    ASSERT_TRUE(client.SendRequest("/form", HttpClient::FormPost, ""));
    const std::string request = server.LastRequest();
    EXPECT_EQ(request.rfind("POST /form HTTP/1.0\r\n", 0), 0u);
    EXPECT_NE(request.find("\r\nContent-Type: application/x-www-form-urlencoded\r\n"), std::string::npos);
    EXPECT_EQ(BodyOf(request), "a=1&b=2");
    EXPECT_EQ(client.CurrentPath(), "/form");
}

TEST(HttpClient, GetReadsTheAnswerBackInChunksAndSendsCookies) {
    const std::string page(5000, 'x');
    LoopbackServer server(OkReply(page));
    HttpClient client;
    ASSERT_TRUE(client.Connect(Local(server.Port()) + "/start", "", "", "test"));
    EXPECT_EQ(client.CurrentPath(), "/start");
    client.AddCookie("sitzung", "42");
    client.AddCookie("farbe", "blau");
    ASSERT_TRUE(client.SendRequest("/seite.html", HttpClient::Get, "http://vorher/"));
    EXPECT_EQ(ReadAll(client, 1024), page);
    const std::string request = server.LastRequest();
    EXPECT_EQ(request.rfind("GET /seite.html HTTP/1.0\r\n", 0), 0u);
    EXPECT_NE(request.find("\r\nCookie: sitzung=42; farbe=blau\r\n"), std::string::npos);
    EXPECT_NE(request.find("\r\nReferer: http://vorher/\r\n"), std::string::npos);
    client.CloseHandles();
    char c;
    EXPECT_EQ(client.ReadResponseChunk(&c, 1), 0u);
}

TEST(HttpClient, UnreachableServerFailsToConnectAndNoRequestIsSent) {
    RecordingClient client;
    EXPECT_FALSE(client.Connect(Local(LoopbackServer::UnusedPort()), "", "", "test"));
    EXPECT_FALSE(client.SendRequest("/", HttpClient::Get, ""));
    ASSERT_EQ(client.errors.size(), 2u);
    EXPECT_EQ(client.errors[0], "connect: connect failed...");
    EXPECT_EQ(client.errors[1], "request /: handle not opened...");
}

TEST(HttpClient, ServerClosingMidAnswerGivesAFailureNotAHang) {
    LoopbackServer server("HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\nnur ein Teil");
    RecordingClient client;
    ASSERT_TRUE(client.Connect(Local(server.Port()), "", "", "test"));
    EXPECT_FALSE(client.SendRequest("/", HttpClient::Get, ""));
    char buffer[16];
    EXPECT_EQ(client.ReadResponseChunk(buffer, sizeof buffer), 0u);
    EXPECT_EQ(client.errors.front(), "request /: request failed...");
}

TEST(HttpClient, RedirectAnswerToAFormPostCountsAsSent) {
    LoopbackServer server("HTTP/1.0 302 Found\r\nLocation: /anderswo\r\nContent-Length: 0\r\n\r\n");
    HttpClient client;
    ASSERT_TRUE(client.Connect(Local(server.Port()), "", "", "test"));
    client.AddFormField("a", "1", false);
    EXPECT_TRUE(client.SendRequest("/form", HttpClient::FormPost, ""));
    EXPECT_EQ(server.Requests().size(), 1u);
}

TEST(HttpClient, FieldsThatWouldBreakTheBodyAreRefusedBeforeAnythingIsSent) {
    LoopbackServer server(OkReply("ok"));
    RecordingClient client;
    ASSERT_TRUE(client.Connect(Local(server.Port()), "", "", "test"));
    for (const char* value : {"1&admin=1", "a=b", "zeile\r\nX: y"}) {
        client.ClearFormFields();
        client.AddFormField("a", value, false);
        EXPECT_FALSE(client.SendRequest("/form", HttpClient::FormPost, "")) << value;
    }
    client.ClearFormFields();
    client.AddFormField("name\r\nX-Evil: 1", "1", false);
    EXPECT_FALSE(client.SendRequest("/multi", HttpClient::MultipartPost, ""));
    client.ClearFormFields();
    client.AddFormField("a", std::string("x\r\n") + MultipartBoundary + "--\r\n", false);
    EXPECT_FALSE(client.SendRequest("/multi", HttpClient::MultipartPost, ""));
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_EQ(client.errors.back(), "request /multi: request failed");
}

TEST(HttpClient, LongMultipartValueIsSentWhole) {
    LoopbackServer server(OkReply("ok"));
    HttpClient client;
    ASSERT_TRUE(client.Connect(Local(server.Port()), "", "", "test"));
    const std::string value(20000, 'v');
    client.AddFormField("lang", value, false);
    ASSERT_TRUE(client.SendRequest("/multi", HttpClient::MultipartPost, ""));
    const std::string body = BodyOf(server.LastRequest());
    EXPECT_NE(body.find("\r\n\r\n" + value + "\r\n"), std::string::npos);
    EXPECT_NE(server.LastRequest().find("Content-Length: " + std::to_string(body.size()) + "\r\n"),
              std::string::npos);
}
