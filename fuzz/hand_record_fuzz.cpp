// A hand file of any bytes, read hand by hand as the table reads it: a hand
// whose deal is accepted holds a whole deal, its scripted auction played out
// always ends in a contract the table can hold, and a hand saved and read
// back is the hand that was read.

#include <algorithm>

#include "auction/auction.h"
#include "fuzz_support.h"
#include "handfile/hand_record.h"
#include "model/comma_text.h"
#include "model/deal_text.h"

using namespace tavlo;

namespace {

// A line break inside a value is saved as a blank: a value is one line.
std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\r', ' ');
  return text;
}

std::vector<std::string> OneLine(std::vector<std::string> items) {
  for (auto& item : items) item = OneLine(std::move(item));
  return items;
}

bool FitsALine(std::string_view key, std::string_view value) {
  const std::string line = std::string(key) + "=" + std::string(value);
  return FirstCharacters(line, TBigIniFile::MaxLineLength).size() == line.size();
}

// The keys of a saved hand are cut at 255 characters like every line.
bool SavedWhole(const HandRecord& record) {
  return FitsALine("Deal", record.DealText) && FitsALine("Points", record.PointsText) &&
         FitsALine("Bids", JoinCommaText(record.ScriptedAuction)) &&
         FitsALine("Lights", JoinCommaText(record.ScriptedLights)) &&
         FitsALine("Alerts", JoinCommaText(record.Alerts)) &&
         FitsALine("LeadDirector", record.LeadDirector) && FitsALine("Comment", record.Comment);
}

bool SameRecord(const HandRecord& a, const HandRecord& b) {
  return a.Dealer == b.Dealer && a.Declarer == b.Declarer && a.Vulnerability == b.Vulnerability &&
         a.DealText == b.DealText && a.PointsText == b.PointsText &&
         a.ScriptedAuction == b.ScriptedAuction && a.ScriptedLights == b.ScriptedLights &&
         a.Alerts == b.Alerts && a.LeadDirector == b.LeadDirector && a.Comment == b.Comment;
}

// Saves the hand into a store of its own and reads it back from the file
// that store writes.
HandRecord SaveAndRead(const HandRecord& record) {
  TINI store("");
  const Result<std::string> saved = SaveHand(store, record, PlayedHand{}, record.Comment);
  fuzz::Check(saved.Ok(), "a hand is saved");
  std::vector<std::string> lines;
  store.WriteToStrings(lines);
  std::string image;
  for (const auto& line : lines) image += line + "\n";
  TINI again(fuzz::ScratchFile("saved.ini", image));
  return ReadHandRecord(again, *saved);
}

// What a hand reads back as once saved, when all its keys fit their lines.
HandRecord SavedForm(const HandRecord& record) {
  HandRecord expected = record;
  expected.DealText = OneLine(record.DealText);
  expected.PointsText = OneLine(record.PointsText);
  expected.ScriptedAuction = OneLine(record.ScriptedAuction);
  expected.ScriptedLights = OneLine(record.ScriptedLights);
  expected.Alerts = OneLine(record.Alerts);
  expected.LeadDirector = OneLine(record.LeadDirector);
  const std::string kept = OneLine(TrimTrailingSpacesKeepOne(record.Comment));
  expected.Comment = kept.empty() ? "-" : kept;
  return expected;
}

void CheckAuction(const HandRecord& record) {
  AuctionState auction;
  auction.Dealer = record.Dealer;
  auction.Declarer = record.Declarer;
  auction.ScriptedAuction = record.ScriptedAuction;
  auction.ScriptedLights = record.ScriptedLights;
  auction.Alerts = record.Alerts;
  auction.LeadDirector = record.LeadDirector;
  ResetBids(auction);
  const int most = static_cast<int>(record.ScriptedAuction.size()) + 4;
  while (!AuctionIsOver(auction) && auction.BidCount < most) BidForComputer(auction);
  fuzz::Check(AuctionIsOver(auction), "a scripted auction always ends");
  fuzz::Check(auction.ContractLevel >= 0 && auction.ContractLevel <= 7 && auction.Doubling >= 0 &&
                  auction.Doubling <= 2 && auction.Declarer <= West,
              "the auction ends in a contract the table can hold");
}

void CheckHand(TBigIniFile& store, const std::string& section) {
  const HandRecord record = ReadHandRecord(store, section);
  if (const Result<DealHoldings> deal = ParseDeal(record.DealText)) {
    fuzz::Check(fuzz::IsWholeDeal(*deal), "an accepted hand holds a whole deal");
    CheckAuction(record);
  }

  // Saved once and once again: every hand that fits its lines comes back.
  const HandRecord once = SaveAndRead(record);
  if (SavedWhole(record))
    fuzz::Check(SameRecord(once, SavedForm(record)), "a hand saved reads back the same");
  if (SavedWhole(once))
    fuzz::Check(SameRecord(SaveAndRead(once), SavedForm(once)),
                "a hand saved twice reads back the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  TINI store(fuzz::ScratchFile("hands.ini", text));
  std::vector<std::string> sections;
  store.ReadSections(sections);
  // A missing hand reads as every default.
  if (sections.empty()) sections.push_back("1");
  // A few hands an input keep the runs quick; the mutations bring every kind
  // of hand to the front.
  if (sections.size() > 4) sections.resize(4);
  for (const auto& section : sections) CheckHand(store, section);

  // A hand saved into the file goes into a section of its own and leaves
  // every hand already there as it was.
  std::vector<std::string> names;
  store.ReadSections(names);
  std::vector<std::vector<std::string>> before(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) store.ReadSectionValues(names[i], before[i]);
  const Result<std::string> saved =
      SaveHand(store, ReadHandRecord(store, sections.front()), PlayedHand{}, "");
  fuzz::Check(saved.Ok(), "a hand is saved into the file");
  for (std::size_t i = 0; i < names.size(); ++i) {
    fuzz::Check(!SameText(names[i], *saved), "a saved hand takes a section of its own");
    std::vector<std::string> after;
    store.ReadSectionValues(names[i], after);
    fuzz::Check(after == before[i], "saving leaves the other hands alone");
  }
  return 0;
}
