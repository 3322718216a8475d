// The deal text of a hand record: whatever it accepts is a whole deal, a
// refused text gives its reason, and a deal written out reads back the
// same.

#include "fuzz_support.h"
#include "model/deal_text.h"

using namespace tavlo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  const Result<DealHoldings> deal = ParseDeal(text);
  if (!deal) {
    fuzz::Check(!deal.Error().empty(), "a refused deal text gives its reason");
  } else {
    fuzz::Check(fuzz::IsWholeDeal(*deal), "an accepted deal text is a whole deal");
    const Result<DealHoldings> again = ParseDeal(WriteDealText(*deal));
    fuzz::Check(again && *again == *deal, "an accepted deal written out reads back the same");
  }

  FuzzedDataProvider data(bytes, size);
  const DealHoldings shuffled = fuzz::ShuffledDeal(data);
  const std::string written = WriteDealText(shuffled);
  fuzz::Check(written.size() == DealTextLength, "a written deal has 69 characters");
  const Result<DealHoldings> read = ParseDeal(written);
  fuzz::Check(read && *read == shuffled, "a written deal reads back the same");
  return 0;
}
