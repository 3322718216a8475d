// The comma text of the hand file's lists (bids, lights, alerts, points):
// items split from any text join and split back to the same items, and any
// items joined split back to themselves.

#include "fuzz_support.h"
#include "model/comma_text.h"

using namespace tavlo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  const std::vector<std::string> items = SplitCommaText(text);
  fuzz::Check(SplitCommaText(JoinCommaText(items)) == items,
              "split items join and split back the same");

  // The same bytes as items of their own, cut at every NUL.
  std::vector<std::string> own;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\0', start)) != std::string_view::npos; start = end + 1) {
    own.emplace_back(text.substr(start, end - start));
  }
  own.emplace_back(text.substr(start));
  fuzz::Check(SplitCommaText(JoinCommaText(own)) == own, "joined items split back the same");
  return 0;
}
