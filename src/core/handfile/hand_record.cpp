#include "handfile/hand_record.h"

#include <charconv>
#include <cstdint>
#include <optional>

#include "handfile/claim_note.h"
#include "model/bid_text.h"
#include "model/comma_text.h"

namespace tavlo {

namespace {

std::optional<std::int64_t> NumberOf(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return {};
  return value;
}

std::string ContractText(const PlayedHand& played) {
  std::string text = BidLongText(played.ContractBid, played.Doubling);
  if (const auto tilde = text.find('~'); tilde != std::string::npos) text.erase(tilde, 1);
  return text;
}

}  // namespace

HandRecord ReadHandRecord(TBigIniFile& store, std::string_view section) {
  HandRecord record;
  record.Dealer = SeatOfLetter(store.ReadString(section, "Dealer", "S"));
  record.Declarer = SeatOfLetter(store.ReadString(section, "Declarer", "S"));
  record.Vulnerability = VulnerabilityOfText(store.ReadString(section, "Vulnerability", "NONE"));
  record.DealText = store.ReadString(section, "Deal", "-");
  record.PointsText = store.ReadString(section, "Points", "-");
  record.ScriptedAuction = SplitCommaText(store.ReadString(section, "Bids", "-"));
  const std::string alerts = store.ReadString(section, "Alerts", "");
  if (!alerts.empty()) record.Alerts = SplitCommaText(alerts);
  record.LeadDirector = store.ReadString(section, "LeadDirector", "-");
  record.ScriptedLights = SplitCommaText(store.ReadString(section, "Lights", "-"));
  record.Comment = store.ReadString(section, "Comment", "-");
  return record;
}

std::string NextSectionName(const TBigIniFile& store) {
  const TSectionList& sections = store.Sections();
  std::int64_t highest = 0;
  for (int i = 0; i < sections.Count(); ++i) {
    const auto number = NumberOf(sections.Name(i));
    if (number && *number > highest && *number <= INT32_MAX) highest = *number;
  }
  if (highest < INT32_MAX) return std::to_string(highest + 1);
  // No number a hand can be played by follows the highest, and taking the
  // highest again would write over the hand saved there.
  const auto taken = [&](const std::string& name) {
    for (int i = 0; i < sections.Count(); ++i)
      if (sections.Name(i) == name) return true;
    return false;
  };
  std::int64_t lowest = 1;
  while (taken(std::to_string(lowest))) ++lowest;
  return std::to_string(lowest);
}

Result<std::string> SaveHand(TBigIniFile& store, const HandRecord& record, const PlayedHand& played,
                             std::string_view comment) {
  std::string section = NextSectionName(store);
  WriteHandSection(store, section, record, played, comment);
  if (Status written = store.UpdateFile(); !written) return written.Why();
  return section;
}

void WriteHandSection(TBigIniFile& store, std::string_view section, const HandRecord& record,
                      const PlayedHand& played, std::string_view comment) {
  store.WriteString(section, "Dealer", SeatLetters[record.Dealer]);
  store.WriteString(section, "Vulnerability", VulnerabilityNames[record.Vulnerability & 3]);
  store.WriteString(section, "Deal", record.DealText);
  store.WriteString(section, "Declarer", SeatLetters[record.Declarer]);
  store.WriteString(section, "Bids", JoinCommaText(record.ScriptedAuction));
  if (!record.Alerts.empty()) store.WriteString(section, "Alerts", JoinCommaText(record.Alerts));
  store.WriteString(section, "Lights", JoinCommaText(record.ScriptedLights));
  store.WriteString(section, "Points", record.PointsText);
  store.WriteString(section, "LeadDirector", record.LeadDirector);
  store.WriteString(section, "Plays", played.PlaysText);
  if (!played.ClaimText.empty()) store.WriteString(section, ClaimKey, played.ClaimText);
  store.WriteString(section, "Contract", ContractText(played));
  if (played.HandScore) store.WriteString(section, "Score", std::to_string(*played.HandScore));
  if (const auto kept = TrimTrailingSpacesKeepOne(comment); !kept.empty())
    store.WriteString(section, "Comment", kept);
}

}  // namespace tavlo
