#pragma once
// A suit of the seat on lead as the suit scores see it: the view the plan
// estimated, the suit in its short names, and the hand plan's counters. The
// three rule sets (the defenders', the declaring side's and the general one
// both fall back on) each give a score, higher for a better suit to lead,
// and name the rule that gave its base value.

#include <string_view>

#include "engine/plan_state.h"
#include "engine/play_state.h"
#include "engine/suit_notation.h"
#include "model/hand_data.h"

namespace tavlo {

struct ScoredSuit {
  ScoredSuit(PlayContext& context, PlanState& plan, int suit);

  PlayContext& context;
  PlanState& plan;
  const PlayState& play;
  int suit;
  SuitView& view;
  SuitNotation s;
  int v;                  // the lead verdict
  bool suited;            // a trump contract
  bool trumps;            // this suit is trumps
  bool defending;         // a defender is on lead
  std::string_view rule;  // the rule that gave the base value

  // Notes the rule and gives its value.
  int Rule(std::string_view name, int value) {
    rule = name;
    return value;
  }
};

// The score of the side on lead: the defenders' rules for a defender, the
// declaring side's for declarer or dummy. The view of the suit must be the
// one the plan estimated.
int SuitScore(ScoredSuit& x);

// Halving a score always rounds toward zero, as integer division does.
constexpr int Half(int score) { return score / 2; }

}  // namespace tavlo
