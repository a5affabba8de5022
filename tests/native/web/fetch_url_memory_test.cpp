// FetchUrl when memory runs out: never the end of the process; the bytes
// collected so far, or the empty block when there are none.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/native/web/fetch_calls.h"
#include "tests/native/web/limited_heap.h"
#include "tests/native/web/recording_internet.h"
#include "web/portable/fetch_url.h"

namespace quorvane {
namespace {

using testing::CloseCalls;
using testing::LargestBlockScope;
using testing::QueryCall;
using testing::ReadCall;
using testing::RecordingInternet;

class FetchUrlMemoryTest : public ::testing::Test {
 protected:
  Block Fetch() { return FetchUrl(internet, root, "http://qr.quorvane.net/api.php"); }
  std::vector<std::string> Tail(std::size_t count) const {
    return {internet.calls.end() - static_cast<std::ptrdiff_t>(count), internet.calls.end()};
  }

  RecordingInternet internet;
  InternetRoot root{internet};
};

TEST_F(FetchUrlMemoryTest, NoReadBufferGivesTheEmptyBlockWithoutReading) {
  internet.content_length = "50000";  // asks for a read buffer of 50001
  internet.body = std::string(50000, 'x');
  LargestBlockScope limit(50000);

  EXPECT_TRUE(Fetch().missing());
  EXPECT_EQ(Tail(3), testing::Calls() << QueryCall() << CloseCalls());
  EXPECT_EQ(internet.open_handles(), 1);
}

TEST_F(FetchUrlMemoryTest, BodyThatCannotGrowKeepsWhatItHoldsAndStopsReading) {
  internet.content_length = "2999";  // read size 3000
  internet.body = std::string(3000, 'a') + std::string(3000, 'b') + std::string(3000, 'c');
  internet.largest_chunk = 3000;
  LargestBlockScope limit(5000);  // room for one chunk of body, not two

  const Block result = Fetch();

  ASSERT_EQ(result.size(), 3000u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(result.data()), 3000), std::string(3000, 'a'));
  // The second chunk found no room: no third read.
  EXPECT_EQ(std::count(internet.calls.begin(), internet.calls.end(), ReadCall(3000)), 2);
  EXPECT_EQ(Tail(3), testing::Calls() << ReadCall(3000) << CloseCalls());
  EXPECT_EQ(internet.open_handles(), 1);
}

TEST_F(FetchUrlMemoryTest, NoBlockForALongCanonicalUrlEndsTheFetchBeforeCracking) {
  const std::string url = "http://qr.quorvane.net/" + std::string(3000, 'a');
  LargestBlockScope limit(2500);
  EXPECT_TRUE(FetchUrl(internet, root, url.c_str()).missing());
  EXPECT_EQ(internet.calls, std::vector<std::string>{testing::CanonicalizeCall(url)});
  EXPECT_FALSE(root.is_open());
}

}  // namespace
}  // namespace quorvane
