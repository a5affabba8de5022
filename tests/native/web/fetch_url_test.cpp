// FetchUrl against a recording stand-in for WinINet: which operations it
// calls, in which order, with which arguments, and what it makes of their
// results.
#include "web/portable/fetch_url.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "tests/support/byte_strings.h"
#include "tests/native/web/fetch_calls.h"
#include "tests/native/web/recording_internet.h"

namespace quorvane {
namespace {

using testing::CanonicalizeCall;
using testing::CloseCalls;
using testing::ConnectCall;
using testing::CrackCall;
using testing::kOpenCall;
using testing::OpenRequestCall;
using testing::ProxyCalls;
using testing::QueryCall;
using testing::ReadCall;
using testing::RecordingInternet;
using testing::SendCall;

using testing::AsString;
using testing::CountingBytes;

class FetchUrlTest : public ::testing::Test {
 protected:
  Block Fetch(const char* url) { return FetchUrl(internet, root, url); }

  RecordingInternet internet;
  InternetRoot root{internet};
};

TEST_F(FetchUrlTest, MissingOrEmptyUrlCallsNothing) {
  EXPECT_TRUE(Fetch(nullptr).missing());
  EXPECT_TRUE(Fetch("").missing());
  EXPECT_TRUE(internet.calls.empty());
  EXPECT_FALSE(root.is_open());
}

TEST_F(FetchUrlTest, CallsEachOperationInOrderWithItsArguments) {
  // The query holds a second URL; the "#" part is the caller's own.
  const std::string url =
      "http://qr.quorvane.net/api.php?text=https://m.velmo.com/p?wareId=1&wareNum=1#top";
  internet.cracked.url_path = "/api.php?text=https://m.velmo.com/p?wareId=1&wareNum=1#top";
  internet.content_length = "5";
  internet.body = "hello";

  const Block result = Fetch(url.c_str());

  EXPECT_EQ(AsString(result), "hello");
  const std::vector<std::string> expected = testing::Calls()
      << CanonicalizeCall(url) << CrackCall(url) << kOpenCall
      << ConnectCall("qr.quorvane.net", 80, "", "", 3) << ProxyCalls()
      << OpenRequestCall("/api.php?text=https://m.velmo.com/p?wareId=1&wareNum=1", "0x84000000")
      << SendCall() << QueryCall() << ReadCall(6) << ReadCall(6) << CloseCalls();
  EXPECT_EQ(internet.calls, expected);
  EXPECT_EQ(internet.open_handles(), 1);  // the root stays open
}

TEST_F(FetchUrlTest, ConnectionAndRequestFollowTheCrackedUrl) {
  struct Case {
    const char* name;
    testing::ScriptedUrl url;
    std::string connect;
    std::string request_flags;
  };
  const Case cases[] = {
      {"https", {4, 443, "m.velmo.com", "", "", "/"},
       ConnectCall("m.velmo.com", 443, "", "", 3), "0x84800000"},
      {"port named in the URL", {3, 8080, "qr.quorvane.net", "", "", "/"},
       ConnectCall("qr.quorvane.net", 8080, "", "", 3), "0x84000000"},
      {"user and password", {3, 80, "qr.quorvane.net", "anna", "s3cret", "/"},
       ConnectCall("qr.quorvane.net", 80, "anna", "s3cret", 3), "0x84000000"},
      {"ftp", {1, 21, "files.example", "", "", "/"},
       ConnectCall("files.example", 21, "", "", 1), "0x84000000"},
      {"gopher", {2, 70, "hole.example", "", "", "/"},
       ConnectCall("hole.example", 70, "", "", 2), "0x84000000"},
      {"file", {5, 0, "", "", "", "/C:/x"}, ConnectCall("", 0, "", "", 0), "0x84000000"},
  };
  for (const Case& c : cases) {
    RecordingInternet internet;
    InternetRoot root(internet);
    internet.cracked = c.url;
    FetchUrl(internet, root, "scheme://any");
    ASSERT_GE(internet.calls.size(), 8u) << c.name;
    EXPECT_EQ(internet.calls[3], c.connect) << c.name;
    EXPECT_EQ(internet.calls[7], OpenRequestCall(c.url.url_path, c.request_flags)) << c.name;
  }
}

// One row per way out of a fetch before any body arrives: the calls made up
// to that point, the handles closed on the way out, and the empty result.
TEST(FetchUrlFailureTest, EveryEarlyExitGivesTheEmptyBlockAndClosesWhatItOpened) {
  const std::string url = "http://qr.quorvane.net/api.php";
  const std::vector<std::string> up_to_open = testing::Calls() << CanonicalizeCall(url) << CrackCall(url) << kOpenCall;
  const std::vector<std::string> up_to_request = testing::Calls()
      << up_to_open << ConnectCall("qr.quorvane.net", 80, "", "", 3) << ProxyCalls()
      << OpenRequestCall("/api.php", "0x84000000");
  struct Case {
    const char* name;
    std::function<void(RecordingInternet&)> arrange;
    std::vector<std::string> calls;
    bool root_open;
  };
  const Case cases[] = {
      {"URL not canonicalisable", [](RecordingInternet& i) { i.canonicalize_fails = true; },
       {CanonicalizeCall(url)}, false},
      {"URL not crackable", [](RecordingInternet& i) { i.crack_fails = true; },
       {CanonicalizeCall(url), CrackCall(url)}, false},
      {"root cannot be opened", [](RecordingInternet& i) { i.open_results = {false}; },
       up_to_open, false},
      {"no connection", [](RecordingInternet& i) { i.connect_fails = true; },
       testing::Calls() << up_to_open << ConnectCall("qr.quorvane.net", 80, "", "", 3), true},
      {"no request", [](RecordingInternet& i) { i.open_request_fails = true; },
       testing::Calls() << up_to_request << "CloseHandle(connection1)", true},
      {"request not sent", [](RecordingInternet& i) { i.send_fails = true; },
       testing::Calls() << up_to_request << SendCall() << CloseCalls(), true},
      {"first read fails", [](RecordingInternet& i) { i.fail_after = 0; },
       testing::Calls() << up_to_request << SendCall() << QueryCall() << ReadCall(6) << CloseCalls(), true},
      {"body of 0 bytes",
       [](RecordingInternet& i) {
         i.content_length = "0";
         i.body = "";
       },
       testing::Calls() << up_to_request << SendCall() << QueryCall() << ReadCall(10240) << CloseCalls(), true},
  };
  for (const Case& c : cases) {
    RecordingInternet internet;
    InternetRoot root(internet);
    c.arrange(internet);
    EXPECT_TRUE(FetchUrl(internet, root, url.c_str()).missing()) << c.name;
    EXPECT_EQ(internet.calls, c.calls) << c.name;
    EXPECT_EQ(root.is_open(), c.root_open) << c.name;
    EXPECT_EQ(internet.open_handles(), c.root_open ? 1 : 0) << c.name;
  }
}

TEST_F(FetchUrlTest, CanonicalUrlTooLongForTheBufferIsMadeAgainInOneOfTheReportedSize) {
  const std::string url = "http://qr.quorvane.net/api.php?text=" + std::string(3000, 'a');
  internet.canonical_url = url + "&canonical";
  const auto needed = static_cast<std::uint32_t>(internet.canonical_url.size() + 1);

  EXPECT_EQ(AsString(Fetch(url.c_str())), "hello");
  ASSERT_GE(internet.calls.size(), 3u);
  EXPECT_EQ(internet.calls[0], CanonicalizeCall(url));
  EXPECT_EQ(internet.calls[1], CanonicalizeCall(url, needed));
  EXPECT_EQ(internet.calls[2], CrackCall(internet.canonical_url));
}

TEST_F(FetchUrlTest, SecondCanonicalisationFailingEndsTheFetch) {
  const std::string url = "http://qr.quorvane.net/" + std::string(3000, 'a');
  internet.second_canonicalize_fails = true;
  EXPECT_TRUE(Fetch(url.c_str()).missing());
  EXPECT_EQ(internet.calls, (std::vector<std::string>{CanonicalizeCall(url), CanonicalizeCall(url, 3024)}));
  EXPECT_FALSE(root.is_open());
}

TEST_F(FetchUrlTest, ProxyOptionResultsAreIgnored) {
  internet.set_option_fails = true;
  EXPECT_EQ(AsString(Fetch("http://qr.quorvane.net/api.php")), "hello");
}

// Each read asks for the size that the Content-Length chose, and the chunks
// join up in arrival order however the network splits them.
TEST(FetchUrlBodyTest, ReadsAskForTheChosenSizeAndJoinEveryChunk) {
  struct Case {
    std::optional<std::string> content_length;
    std::size_t body_size;
    std::uint32_t largest_chunk;
    std::uint32_t read_size;
    std::size_t reads;
  };
  const Case cases[] = {
      {"300", 300, UINT32_MAX, 301, 2},  // all in one read, then the end
      {std::nullopt, 25000, UINT32_MAX, 10240, 4},
      {"not a number", 25000, UINT32_MAX, 10240, 4},
      {"250000", 250000, UINT32_MAX, 102400, 4},
      {"250000", 250000, 7000, 102400, 37},
      {"5000", 1200, UINT32_MAX, 5001, 2},           // shorter than announced
      {"10", 5000, UINT32_MAX, 11, 456},            // longer than announced
      {std::string(30, '0') + "3", 3, UINT32_MAX, 4, 2},    // 31 characters fit
      {std::string(31, '0') + "3", 3, UINT32_MAX, 10240, 2},  // 32 do not
  };
  for (const Case& c : cases) {
    RecordingInternet internet;
    InternetRoot root(internet);
    internet.content_length = c.content_length;
    internet.body = CountingBytes(c.body_size);
    internet.largest_chunk = c.largest_chunk;
    const std::string label = c.content_length.value_or("(none)") + " / " + std::to_string(c.body_size);

    const Block result = FetchUrl(internet, root, "http://qr.quorvane.net/");

    EXPECT_EQ(AsString(result), internet.body) << label;
    std::size_t reads = 0;
    for (const std::string& call : internet.calls) {
      if (call.starts_with("ReadFile(")) {
        ++reads;
        EXPECT_EQ(call, ReadCall(c.read_size)) << label;
      }
    }
    EXPECT_EQ(reads, c.reads) << label;
  }
}

TEST_F(FetchUrlTest, ReadFailureKeepsTheBytesThatArrived) {
  internet.content_length = "5000";
  internet.body = CountingBytes(5000);
  internet.largest_chunk = 1000;
  internet.fail_after = 3000;

  const Block result = Fetch("http://qr.quorvane.net/api.php");

  EXPECT_EQ(AsString(result), internet.body.substr(0, 3000));
  EXPECT_EQ(std::count(internet.calls.begin(), internet.calls.end(), ReadCall(5001)), 4);
  const std::vector<std::string> tail(internet.calls.end() - 3, internet.calls.end());
  EXPECT_EQ(tail, testing::Calls() << ReadCall(5001) << CloseCalls());
}

TEST_F(FetchUrlTest, FailedReadThatStillReportsBytesAddsThemBeforeEnding) {
  internet.content_length = "5000";
  internet.body = CountingBytes(5000);
  internet.largest_chunk = 1000;
  internet.fail_after = 2500;
  internet.failing_read_delivers = true;

  const Block result = Fetch("http://qr.quorvane.net/api.php");

  EXPECT_EQ(AsString(result), internet.body.substr(0, 2500));
  // No read after the failed one.
  EXPECT_EQ(std::count(internet.calls.begin(), internet.calls.end(), ReadCall(5001)), 3);
  EXPECT_EQ(internet.calls.back(), "CloseHandle(connection1)");
}

TEST_F(FetchUrlTest, ReadCountBeyondTheBufferIsNotTrusted) {
  internet.claimed_count = 7;  // the buffer holds 6
  EXPECT_TRUE(Fetch("http://qr.quorvane.net/api.php").missing());
  EXPECT_EQ(internet.open_handles(), 1);
}

TEST_F(FetchUrlTest, RootIsOpenedByTheFirstFetchAndServesTheNext) {
  EXPECT_EQ(AsString(Fetch("http://qr.quorvane.net/a")), "hello");
  EXPECT_EQ(AsString(Fetch("http://qr.quorvane.net/b")), "hello");

  EXPECT_EQ(std::count(internet.calls.begin(), internet.calls.end(), kOpenCall), 1);
  // Each fetch has its own connection and request, both closed.
  const std::vector<std::string> second(internet.calls.end() - 11, internet.calls.end());
  EXPECT_EQ(second, testing::Calls() << ConnectCall("qr.quorvane.net", 80, "", "", 3) << ProxyCalls(2)
                                     << OpenRequestCall("/api.php", "0x84000000", 2) << SendCall(2)
                                     << QueryCall(2) << ReadCall(6, 2) << ReadCall(6, 2) << CloseCalls(2));
  EXPECT_EQ(internet.open_handles(), 1);
}

TEST_F(FetchUrlTest, RootThatCouldNotBeOpenedIsTriedAgainByTheNextFetch) {
  internet.open_results = {false};
  EXPECT_TRUE(Fetch("http://qr.quorvane.net/").missing());
  EXPECT_FALSE(root.is_open());
  EXPECT_EQ(AsString(Fetch("http://qr.quorvane.net/")), "hello");
  EXPECT_EQ(std::count(internet.calls.begin(), internet.calls.end(), kOpenCall), 2);
}

TEST(InternetRootTest, ClosesItsHandleWhenItGoesAwayAndNotBefore) {
  RecordingInternet internet;
  {
    InternetRoot root(internet);
    FetchUrl(internet, root, "http://qr.quorvane.net/");
    EXPECT_EQ(std::count(internet.calls.begin(), internet.calls.end(), "CloseHandle(root)"), 0);
  }
  EXPECT_EQ(internet.calls.back(), "CloseHandle(root)");
  EXPECT_EQ(internet.open_handles(), 0);
}

TEST(InternetRootTest, NeverOpenedMeansNothingToClose) {
  RecordingInternet internet;
  { InternetRoot root(internet); }
  EXPECT_TRUE(internet.calls.empty());
}

}  // namespace
}  // namespace quorvane
