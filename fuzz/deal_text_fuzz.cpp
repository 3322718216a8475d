// The deal text of a hand record: whatever it accepts is a whole deal, a
// refused text leaves the deal as it was, and a deal written out reads back
// the same.

#include "fuzz_support.h"
#include "model/deal_text.h"

using namespace tavlo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  const DealHoldings before{{{1, 2, 3, 4}}};
  DealHoldings deal = before;
  if (ParseDeal(text, deal)) {
    fuzz::Check(deal == before, "a refused deal text leaves the deal as it was");
  } else {
    fuzz::Check(fuzz::IsWholeDeal(deal), "an accepted deal text is a whole deal");
    DealHoldings again{};
    fuzz::Check(!ParseDeal(WriteDealText(deal), again) && again == deal,
                "an accepted deal written out reads back the same");
  }

  FuzzedDataProvider data(bytes, size);
  const DealHoldings shuffled = fuzz::ShuffledDeal(data);
  const std::string written = WriteDealText(shuffled);
  DealHoldings read{};
  fuzz::Check(written.size() == DealTextLength, "a written deal has 69 characters");
  fuzz::Check(!ParseDeal(written, read) && read == shuffled, "a written deal reads back the same");
  return 0;
}
