// FetchUrl through the platform's WinINet against scripted servers on
// loopback (see run_fetch_tests.sh): what goes out on the wire, and what
// comes back for each kind of answer.
#include "web/win32/fetch_url.h"

#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/byte_strings.h"
#include "tests/windows/web/counting_internet.h"
#include "web/portable/fetch_url.h"
#include "web/portable/internet_root.h"

namespace quorvane {
namespace {

using testing::AsString;
using testing::CountingBytes;

std::string RecordsFolder() {
  const char* folder = std::getenv("QUORVANE_WEB_RECORDS");
  return folder ? folder : "";
}

std::string ReadRecord(const std::string& name) {
  std::ifstream file(RecordsFolder() + "\\" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// The server's connection log once it holds the given text, or as it is
// after a while: the server writes its line when the client has gone, which
// can be just after the fetch returns.
std::string WaitForLog(const std::string& text) {
  std::string log;
  for (int attempt = 0; attempt < 100; ++attempt) {
    log = ReadRecord("connections.log");
    if (log.find(text) != std::string::npos) break;
    Sleep(100);
  }
  return log;
}

std::vector<std::string> HeaderLines(const std::string& request) {
  std::vector<std::string> lines;
  const std::size_t head_end = request.find("\r\n\r\n");
  std::size_t at = request.find("\r\n") + 2;
  while (at < head_end) {
    const std::size_t end = request.find("\r\n", at);
    lines.push_back(request.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

bool HasHeaderStartingWith(const std::vector<std::string>& lines, const std::string& start) {
  for (const std::string& line : lines) {
    if (line.size() >= start.size() && _strnicmp(line.c_str(), start.c_str(), start.size()) == 0) {
      return true;
    }
  }
  return false;
}

class FetchUrlWireTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(RecordsFolder().empty()) << "run through run_fetch_tests.sh";
  }
};

TEST_F(FetchUrlWireTest, RequestCarriesTheInnerUrlByteForByte) {
  const std::string target =
      "/api.php?text=https://m.velmo.com/product?wareId=100011528666&wareNum=1&enterOrder=true";

  EXPECT_EQ(AsString(FetchUrl(("http://qr.quorvane.net" + target).c_str())), "picture bytes");

  const std::string request = ReadRecord("inner-url.request");
  std::cout << "On the wire:\n" << request;
  EXPECT_TRUE(request.starts_with("GET " + target + " HTTP/1.0\r\n")) << request;
  const std::vector<std::string> headers = HeaderLines(request);
  EXPECT_TRUE(HasHeaderStartingWith(headers, "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"));
  EXPECT_TRUE(HasHeaderStartingWith(headers, "Accept: */*"));
  EXPECT_TRUE(HasHeaderStartingWith(headers, "Host: qr.quorvane.net"));
  EXPECT_FALSE(HasHeaderStartingWith(headers, "Referer:"));
  EXPECT_FALSE(HasHeaderStartingWith(headers, "Content-Length:"));
  EXPECT_TRUE(request.ends_with("\r\n\r\n")) << "no request body";
}

TEST_F(FetchUrlWireTest, HashPartIsNotSent) {
  EXPECT_EQ(AsString(FetchUrl("http://qr.quorvane.net:8080/fragment?text=a#top")), "fragment answer");
  EXPECT_TRUE(ReadRecord("fragment.request").starts_with("GET /fragment?text=a HTTP/1.0\r\n"))
      << ReadRecord("fragment.request");
}

TEST_F(FetchUrlWireTest, PortNamedInTheUrlIsUsedAndPort80Otherwise) {
  EXPECT_EQ(AsString(FetchUrl("http://qr.quorvane.net:8080/which-port")), "port 8080");
  EXPECT_EQ(AsString(FetchUrl("http://qr.quorvane.net/which-port")), "port 80");
}

TEST_F(FetchUrlWireTest, EveryBodyIsCollectedWholeWhateverTheStatusAndLength) {
  struct Case {
    const char* url;
    std::string body;
  };
  const Case cases[] = {
      {"http://qr.quorvane.net/missing", "<html><body><h1>404 Not Found</h1></body></html>\n"},
      {"http://qr.quorvane.net/no-length", CountingBytes(50000)},
      {"http://qr.quorvane.net/large", CountingBytes(300000)},
      {"http://qr.quorvane.net/shorter-than-announced", CountingBytes(1200)},
      {"http://qr.quorvane.net/dropped", CountingBytes(4000)},
  };
  for (const Case& c : cases) {
    const Block result = FetchUrl(c.url);
    EXPECT_EQ(result.size(), c.body.size()) << c.url;
    EXPECT_TRUE(AsString(result) == c.body) << c.url;
  }
}

TEST_F(FetchUrlWireTest, NothingComesBackAsTheEmptyBlock) {
  const char* const urls[] = {
      "http://qr.quorvane.net/empty",           // Content-Length: 0, no body
      "http://qr.quorvane.net:81/refused",      // nothing listens there
      "ftp://qr.quorvane.net:82/file.png",
      "file:///C:/windows/win.ini",             // a file that does exist
      "mailto:someone@m.velmo.com",
  };
  for (const char* url : urls) {
    EXPECT_TRUE(FetchUrl(url).missing()) << url;

    // The same through a counting layer: every handle but the root is closed.
    testing::CountingInternet internet;
    InternetRoot root(internet);
    EXPECT_TRUE(FetchUrl(internet, root, url).missing()) << url;
    EXPECT_EQ(internet.open_handles.size(), 1u) << url;
  }
}

TEST_F(FetchUrlWireTest, UrlThatIsNoUrlOpensNothing) {
  for (const char* url : {static_cast<const char*>(nullptr), "", "not a url"}) {
    EXPECT_TRUE(FetchUrl(url).missing()) << (url ? url : "(null)");

    testing::CountingInternet internet;
    InternetRoot root(internet);
    EXPECT_TRUE(FetchUrl(internet, root, url).missing()) << (url ? url : "(null)");
    EXPECT_EQ(internet.opens, 0) << (url ? url : "(null)");
  }
}

TEST_F(FetchUrlWireTest, HttpsGoesOverTlsToPort443AndAnUntrustedCertificateGivesNothing) {
  testing::CountingInternet internet;
  InternetRoot root(internet);

  EXPECT_TRUE(FetchUrl(internet, root, "https://m.velmo.com/self-signed").missing());

  // The platform turned the certificate down while sending, so no request
  // went out over the secured connection that the server saw on 443.
  EXPECT_TRUE(internet.send_error == ERROR_INTERNET_INVALID_CA ||
              internet.send_error == ERROR_INTERNET_SEC_INVALID_CERT)
      << internet.send_error;
  const std::string text = WaitForLog("port=443 tls=");
  EXPECT_NE(text.find("port=443 tls="), std::string::npos) << text;
  EXPECT_EQ(text.find("port=443 tls=yes target=/"), std::string::npos) << text;
  EXPECT_EQ(internet.open_handles.size(), 1u);
}

TEST(FetchUrlRootTest, TwoFetchesOpenTheRootOnceAndCloseEverythingElse) {
  testing::CountingInternet internet;
  {
    InternetRoot root(internet);
    EXPECT_EQ(AsString(FetchUrl(internet, root, "http://qr.quorvane.net/twice")), "same again");
    EXPECT_EQ(AsString(FetchUrl(internet, root, "http://qr.quorvane.net/twice")), "same again");
    EXPECT_EQ(internet.opens, 1);
    EXPECT_EQ(internet.open_handles.size(), 1u);  // the root alone
  }
  EXPECT_TRUE(internet.open_handles.empty());
}

TEST(FetchUrlReadSizeTest, EachReadAsksForTheSizeTheContentLengthChose) {
  struct Case {
    const char* url;
    std::uint32_t read_size;
    std::size_t body_size;
  };
  const Case cases[] = {
      {"http://qr.quorvane.net/length-300", 301, 300},
      {"http://qr.quorvane.net/no-length", 10240, 50000},
      {"http://qr.quorvane.net/large", 102400, 300000},
      {"http://qr.quorvane.net/length-huge", 102400, 1000},
      {"http://qr.quorvane.net/length-31-characters", 301, 300},
      {"http://qr.quorvane.net/length-32-characters", 10240, 300},  // too long to query
  };
  for (const Case& c : cases) {
    testing::CountingInternet internet;
    InternetRoot root(internet);
    EXPECT_EQ(FetchUrl(internet, root, c.url).size(), c.body_size) << c.url;
    ASSERT_FALSE(internet.read_sizes.empty()) << c.url;
    for (std::uint32_t size : internet.read_sizes) EXPECT_EQ(size, c.read_size) << c.url;
  }
}

}  // namespace
}  // namespace quorvane
