// A scripted bid: any text names a call, a contract bid or no bid; every text
// the program writes for a bid reads back as that bid; an alert reference
// never changes the bid; and the item survives the comma text of the hand
// file's "Bids" value.

#include "fuzz_support.h"
#include "model/bid_text.h"
#include "model/comma_text.h"

using namespace tavlo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(bytes), size);
  const Bid code = BidCode(text);
  fuzz::Check(code <= NoBid, "a bid text gives a call, a contract bid or no bid");
  fuzz::Check(BidCode(text + "(!)") == code, "an alert reference does not change the bid");
  if (code != NoBid) {
    fuzz::Check(BidCode(BidShortText(code)) == code, "the short text reads back as the bid");
    fuzz::Check(BidCode(BidShortText(code) + "(" + text + ")") == code,
                "an alert reference of any text does not change the bid");
  }
  if (IsContractBid(code)) {
    std::string symbol = BidSymbolText(code);
    symbol.erase(symbol.find('~'), 1);
    fuzz::Check(BidCode(symbol) == code, "the contract text of the hand file reads back");
  }
  const std::vector<std::string> script{text, BidShortText(code)};
  fuzz::Check(SplitCommaText(JoinCommaText(script)) == script,
              "a scripted bid survives the comma text");
  return 0;
}
