#include "engine/lead_in_suit.h"

#include "engine/declarers_score.h"
#include "engine/suit_entries.h"
#include "engine/suit_notation.h"
#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

// Two cards of one suit next to each other in rank.
bool Adjacent(Holding a, Holding b) { return a == b << 1 || b == a << 1; }

struct Leader {
  PlayContext& context;
  AnalysisState& a;
  const PlanState& plan;
  const PlayState& play;
  int suit;
  SuitView& view;
  SuitNotation s;
  int v;       // lead verdict
  int timing;  // lead timing
  bool suited;
  bool defending;
  SeatCode partnerSeat;

  Leader(PlayContext& context, EngineState& engine, int suit)
      : context(context),
        a(engine.Analysis),
        plan(engine.Plan),
        play(context.Play),
        suit(suit),
        view(RefreshView(context, context.Play.ToPlay, suit)),
        s(NoteSuit(view)),
        v(view.LeadVerdict),
        timing(view.LeadTiming),
        suited(context.Play.Trump != NoTrump),
        defending(DefenderToPlay(context.Play.ToPlay, context.Play.Declarer) == 1),
        partnerSeat(PartnerOf(context.Play.ToPlay)) {}

  Card InSuit(Holding card) const { return card == 0 ? 0 : card | static_cast<Card>(suit); }
  Holding SecondLowest() const { return NthHighestCard(s.nO - 1, s.O); }

  SuitLead Lead();
  bool Immediate(SuitLead& lead);
  void SetLeadLow();
  void ByVerdict();
  void Runs();
  void NoTrickAtTheTop();
  void TricksAtTheTop();
  void Adjust();
  void ByPartnerAndLength();
  void ForRuffOrLength();
  void FirstSuitAlternative();
  bool LowLeadTest() const;
  bool OtherSuitWeak() const;
  bool GapBelowTop() const;
  Holding CoverCard(Holding x);
  Card LeadForRuff() const;
  Holding UnderLead() const;
};

// A singleton, a suit no one else holds, or cards all below partner's.
bool Leader::Immediate(SuitLead& lead) {
  if (s.nO == 1) {
    lead.Main = InSuit(s.O);
  } else if (s.nP + s.nL + s.nR == 0) {
    lead.Main = InSuit(a.TopCard);
  } else if (s.O < view.PartnerLowest) {
    const bool highLow = s.nP > 1 && defending && s.nO % 2 == 0;
    lead.Main = InSuit(highLow ? a.TopCard : view.OwnLowest);
  } else {
    return false;
  }
  return true;
}

void Leader::SetLeadLow() {
  const Holding O = s.O, P = s.P, T = s.T;
  if (s.nO == 2 && s.nP > s.nO) {
    a.LeadLow = false;  // a doubleton facing a longer partner: unblock
  } else if (view.RunsAll && s.nP == 1 &&
             !(T != 0 && P >= T && T >= NthHighestCard(view.TheirLength, O))) {
    a.LeadLow = T < P && WinnerWherePartnerVoid(context, partnerSeat);
  } else {
    a.LeadLow = (view.RunsAll && s.nP == 2 && T < P) || T >= s.o2;
  }
}

void Leader::Runs() {
  const Holding O = s.O, P = s.P, T = s.T;
  const int TL = view.TheirLength;
  if (view.PartnerTops && O < T) {
    if ((TL <= 1 && s.nO < s.nP && s.p2 < O) || (s.nO < s.nP && NthHighestCard(s.nO, P) < O))
      a.LeadLow = false;
    a.NoAlternative = true;
  } else if (view.PartnerTops && suit == play.Trump) {
    if (s.nP < s.nO && plan.PartnerEntries <= 1 && TL == 1 && s.nP > 1)
      a.LeadLow = false;
    else if (s.nO < s.nP && plan.OwnEntries <= 1 && T < O)
      a.LeadLow = TL == 2;
    else if (plan.ShortRuffFlag)
      a.LeadLow = false;
  } else if (view.PartnerTops && s.nO < s.nP) {
    a.LeadLow = false;
  } else if (view.PartnerTops) {
    if (!plan.DangerFlag && !OtherSuitWeak()) a.LeadLow = LowLeadTest();
  } else {
    a.LeadLow = false;
  }
  if (!a.LeadLow && !plan.ShortRuffFlag) a.NoAlternative = true;
}

void Leader::NoTrickAtTheTop() {
  const Holding O = s.O, P = s.P, T = s.T;
  if (!view.TheyCanRuff || P >= T || v < 0 || s.nP < 2 || view.PartnerCanRuff) {
    const Holding higherLowest = LowestCard(s.L) | LowestCard(s.R);
    if (O < HighestCard(higherLowest)) {
      a.LeadLow = LowLeadTest();
      a.NoAlternative = true;
    } else if (play.CardsPlayed < 8 && O < (Holding{1} << 9)) {
      a.LeadLow = false;  // small cards only: top of nothing
      a.NoAlternative = true;
    }
  } else {
    a.LeadLow = false;
  }
}

void Leader::TricksAtTheTop() {
  const Holding O = s.O, P = s.P, L = s.L, R = s.R, T = s.T, U = s.U;
  if (P < T) a.LeadLow = false;
  if (R >= P && s.l2 >= P && (L >= P || s.t2 >= s.p2))
    a.LeadLow = O < T || OtherSuitWeak() ? view.PartnerTops : false;
  if (a.LeadLow) {
    if (timing == 1 && s.nL > 1 && O < L) {
      a.LeadLow = false;
    } else if (O < T) {
      if ((O < R && s.nR == 1) || (O < L && s.nL == 1)) {
        a.NoAlternative = true;
      } else if (s.nO == 2 && s.t2 < O && U < T) {
        a.LeadLow = false;
      } else {
        if (v == 1 && s.nP >= 2 && s.nL >= 3 && R < O && (s.t2 < O || NthHighestCard(3, L) < s.o2))
          a.LeadLow = false;
        a.NoAlternative = true;
      }
    }
  }
  if (v < 0 && s.nO > 2 && view.PartnerTops) a.LeadLow = true;
  if (view.Tricks >= s.nP && !view.PartnerCanRuff && timing != 1 && !a.LeadLow && !plan.RaceFlag &&
      (s.t2 >= P || s.nP < 2))
    a.NoAlternative = true;
}

void Leader::ByVerdict() {
  if (v == -1 && view.PartnerTops) {
    a.NoAlternative = true;
  } else if (timing == 1) {
    a.NoAlternative = true;
    a.LeadLow = false;
  } else if (view.RunsAll) {
    Runs();
  } else if (view.Tricks < 1) {
    NoTrickAtTheTop();
  } else {
    TricksAtTheTop();
  }
  // The top card drops an opponent's singleton honour over partner's.
  if ((s.nL == 1 && s.P < s.L && s.L < s.O) || (s.nR == 1 && s.P < s.R && s.R < s.O)) {
    a.LeadLow = false;
    a.NoAlternative = true;
  }
}

void Leader::ByPartnerAndLength() {
  const Holding O = s.O, P = s.P, L = s.L, R = s.R, T = s.T, U = s.U;
  const int TL = view.TheirLength;
  if (v == -1 && s.o2 < s.t2) {
    a.NoAlternative = true;
  } else if (a.LeadLow && U < T && P < s.t2 && s.t2 < s.u2 && !view.PartnerCanRuff) {
    a.LeadLow = false;
  } else if (O < T && suited && view.PartnerCanRuff) {
    if (s.t2 < s.o2) {
      if ((s.nL == 1 && U < L) || (s.nR == 1 && U < R))
        a.LeadLow = true;
      else if (O < L)
        a.LeadLow = false;
      a.NoAlternative = false;
    } else {
      a.LeadLow = true;
      a.NoAlternative = true;
    }
  } else if (s.nP != 1 || s.nO < 3 || view.RunsAll || plan.SureTricks >= plan.Needed || TL < 2 ||
             NthHighestCard(2, T) >= P) {
    if (s.nO == 2 && (s.nP != 1 || T >= P)) {
      if ((s.nL == 1 && O < L) || (s.nR == 1 && O < R)) a.LeadLow = true;
    } else if (s.nP > 2 && (T < O || (L < P && P < R && s.p2 < s.r2 && s.r2 < O))) {
      a.LeadLow = false;
    } else if (plan.PartnerEntries == 0 && P < O && s.t2 < s.p2) {
      a.LeadLow = false;
    } else if (TL == 1 || s.t2 < s.o2 || (s.nO >= TL && s.t2 < s.p2 && s.t2 < O)) {
      a.LeadLow = false;
      a.NoAlternative = true;
    }
  } else if (R < P) {
    // Partner's singleton beats all but one of their cards and every card
    // the fourth hand holds: lead low towards it, and let the search
    // compare that with the top.
    a.LeadLow = true;
    a.NoAlternative = false;
  }
}

void Leader::ForRuffOrLength() {
  const Holding O = s.O, P = s.P, L = s.L, R = s.R, T = s.T;
  const int TL = view.TheirLength;
  if (view.TheyCanRuff && view.OurLength >= TL) {
    if (NthHighestCard(TL, O) >= T) {
      a.LeadLow = false;
      a.NoAlternative = true;
    } else if (!view.PartnerCanRuff) {
      a.LeadLow = false;
    }
  } else if (view.PartnerCanRuff && defending) {
    if ((R | O) < L && s.t2 < s.o2) {
      a.NoAlternative = true;
      a.LeadLow = false;
      return;
    }
    // Which other side suit is weak for us: an opponent ruffs it, or they
    // hold its top card and we cannot ruff it.
    int weak = 0, notWeak = 0;
    const THands& hand = context.Hands[play.ToPlay];
    for (int other = 0; other < 4; ++other) {
      if (other == suit || other == play.Trump) continue;
      const SuitView& side = hand.SuitViews[other];
      if (side.TheyCanRuff || (side.OurCards < side.TheirCards && !side.OwnCanRuff))
        weak = other;
      else
        notWeak = other;
    }
    if (weak < notWeak) a.LeadLow = false;
    a.NoAlternative = true;
  } else if (L >= O || s.nR < 3 || s.nO < 3 || NthHighestCard(3, R) >= s.o2 ||
             view.PartnerCanRuff) {
    if ((T >= P || s.nP != 1) && (O >= L || s.nL != 1) && (O >= R || s.nR != 1) &&
        (R | s.l2) >= P && !view.PartnerCanRuff && T < s.o2)
      a.LeadLow = false;
  } else {
    a.LeadLow = false;
  }
}

// Walk down from the card under our top while still above partner's top:
// an opponent's card there means partner cannot take over the suit.
bool Leader::GapBelowTop() const {
  for (Holding d = a.TopCard >> 1; d > TwoBit >> 1; d >>= 1) {
    if (s.T & d) return true;
    if (d <= s.P) return false;
  }
  return false;
}

void Leader::FirstSuitAlternative() {
  const Holding P = s.P, L = s.L, R = s.R, T = s.T;
  if (!(s.nO == 2 || s.nP == 1 || a.NoAlternative || timing == 1 || GapBelowTop())) {
    a.LeadLow = true;
    a.NoAlternative = true;
    return;
  }
  const Holding t3 = view.TheirThird;
  if (!a.FirstSuitOnly || (a.LeadLow && T < view.OwnLowest) ||
      (s.t2 < s.o2 && s.nL <= 2 && t3 < L) || (s.nR <= 2 && t3 < R) ||
      (!a.NoAlternative && (R | s.l2) < P && P < L && s.o2 < s.l2 && s.O < T))
    a.NoAlternative = true;
}

// Leads the card that covers an opponent's singleton when partner's cards
// and LHO's second card make it safe; otherwise the lowest card only.
Holding Leader::CoverCard(Holding x) {
  if (s.O >= x && x >= view.PartnerLowest && s.l2 >= (s.O | s.p2)) {
    a.LeadLow = false;
    return TopOfSequence(view, LowestCardAtLeast(view, x));
  }
  a.NoAlternative = true;
  return view.OwnLowest;
}

void Leader::Adjust() {
  // Lead timing says we lead first in this suit, low through LHO's length.
  if (timing == 1 && s.nL > 1 && a.LeadLow && s.nP != 2)
    a.NoAlternative = false;
  else
    ByPartnerAndLength();
  if (RuffThreatOfOpponents(view, plan, v, suited)) {
    a.LeadLow = false;
    a.NoAlternative = false;
  }
  if (a.LeadLow && s.P < s.o2 && !a.NoAlternative) ForRuffOrLength();
  FirstSuitAlternative();
  if (play.CardsPlayed > 19 && a.NoAlternative)
    a.NoAlternative = view.TheirLength <= 1 && s.nP <= 1;
  if (a.LeadLow && !a.NoAlternative && timing < 1) {
    if (s.nR == 1 && s.nL > 1 && s.P < s.t2)
      a.TopCard = CoverCard(s.R);
    else if (s.nL == 1 && s.R < s.O)
      a.TopCard = CoverCard(s.L);
  }
}

bool Leader::LowLeadTest() const {
  const Holding O = s.O, P = s.P, L = s.L, R = s.R, T = s.T, U = s.U;
  if ((s.nL == 1 && U < L) || (s.nR == 1 && U < R))
    return !(s.nO == 2 && s.nP >= 3 && OpponentsLongCards(view) < P);
  if (O < view.PartnerLowest) return true;
  if (s.nO < s.nP && T < O) return false;
  if (s.nO == 2) {
    if (s.nO < s.nP) return false;
    if (s.nP == 2) return T < P;
    if (s.nP == 1) return view.TheirLength > 1;
    return true;
  }
  if (s.nP == 1 && NthHighestCard(view.TheirLength, O) >= T) return false;
  if (U < s.t2) return true;
  if ((O >= T || R >= P) && (s.nL != 1 || U >= L) && (s.nR != 1 || U >= R)) return T < P;
  return true;
}

// In a trump contract, declarer's side has another side suit that it
// should leave for the other hand to lead.
bool Leader::OtherSuitWeak() const {
  if (!suited || defending || suit == play.Trump) return false;
  const THands& hand = context.Hands[play.ToPlay];
  for (int step = 1; step < 4; ++step) {
    const SuitView& other = hand.SuitViews[(suit + step) % 4];
    if (other.LeadTiming == -1 || other.LeadVerdict == -1) return true;
  }
  return false;
}

// Partner ruffs this suit: lead so partner can ruff, and tell partner
// which suit to return for the next ruff.
Card Leader::LeadForRuff() const {
  if (!a.LeadLow) return InSuit(a.TopCard);
  int lower = -1;
  for (int other = 0; other < 4 && lower < 0; ++other)
    if (other != suit && other != play.Trump) lower = other;
  const THands& hand = context.Hands[play.ToPlay];
  const THands& partner = context.Hands[partnerSeat];
  const Holding own = hand.Suits[lower].Cards, partners = partner.Suits[lower].Cards;
  const Holding theirs =
      context.Hands[hand.Lho].Suits[lower].Cards | context.Hands[hand.Rho].Suits[lower].Cards;
  const bool canRuff = own == 0 && hand.Suits[play.Trump].Cards != 0;
  const bool returnWanted =
      partners != 0 &&
      (canRuff || (theirs | LowestCard(partners)) < own ||
       (NthHighestCard(2, theirs) < NthHighestCard(2, own) && CountCards(partners) >= 2));
  if (returnWanted) return InSuit(view.OwnLowest);
  if (s.O >= TenBit) return InSuit(s.o2);
  return InSuit(a.TopCard);
}

Holding Leader::UnderLead() const {
  if (a.NoAlternative && !a.LeadLow) return 0;
  if (defending && s.nO % 2 == 0) {
    // Count from an even number: lowest, unless the second-lowest keeps
    // a low card back for later.
    if (s.nP < 3 || s.O >= TenBit || (s.nO == 2 && s.nP == 1 && Adjacent(s.P, a.TopCard)))
      return view.OwnLowest;
    const Holding secondLowest = SecondLowest();
    if (secondLowest >= TenBit && (s.nL == 1 || s.nR == 1)) return view.OwnLowest;
    return secondLowest;
  }
  if (s.nO >= 3 && !plan.DangerFlag && view.OwnThird * 4 == a.TopCard) return a.TopCard;
  if (s.nO < 3 || plan.DangerFlag) return view.OwnLowest;
  const Holding theirThird = HighestCard(NthHighestCard(3, s.L) | NthHighestCard(3, s.R));
  return theirThird < view.OwnThird ? view.OwnThird : view.OwnLowest;
}

SuitLead Leader::Lead() {
  SuitLead lead;
  a.TopCard = HighestCard(s.O);
  a.NoAlternative = false;
  if (Immediate(lead)) return lead;
  SetLeadLow();
  ByVerdict();
  Adjust();
  if (a.LeadLow && s.t2 < s.o2) a.NoAlternative = false;

  Holding top = a.TopCard;  // the top-card choice
  Holding under = UnderLead();
  if (view.PartnerCanRuff && a.NoAlternative && defending) {
    lead.Main = LeadForRuff();
    return lead;
  }
  if (a.LeadLow && a.NoAlternative) {
    if (s.nO >= s.nP || OpponentsLongCards(view) >= s.P || s.P >= SecondLowest() ||
        HasEntryOutside(context, partnerSeat, suit)) {
      lead.Main = InSuit(TopOfSequence(view, under));
      return lead;
    }
    a.LeadLow = false;
    a.NoAlternative = false;
    if (SecondLowest() != a.TopCard >> 1) top = SecondLowest();
  } else if (a.LeadLow && view.Tricks < 0 && view.NextRun == 0) {
    a.NoAlternative = true;
  } else if (timing == 1 && a.LeadLow && s.L < s.O && s.nL > 1 && plan.OwnEntries > 0) {
    top = s.o2;
  } else if (timing == 1 && s.T < s.P && s.nO >= 3 && s.R + s.l2 < s.u2) {
    if (s.O >= s.L) top = s.o2 == a.TopCard >> 1 ? a.TopCard : s.o2;
  } else if (a.TopCard == AceBit && s.o2 == QueenBit && (s.P & KingBit)) {
    // Ace-queen with partner's king: lead the queen and keep the ace as
    // the entry back; partner overtakes with the king when it must.
    top = QueenBit;
  }

  if (top == AceBit && defending && s.o2 == KingBit) top = KingBit;  // king from ace-king
  if (under != 0) under = TopOfSequence(view, under);
  if (under == top) a.NoAlternative = true;
  lead.Main = InSuit(a.LeadLow ? under : top);
  if (!a.NoAlternative && a.FirstSuitOnly && s.T >= s.o2 && s.T >= s.p2)
    lead.Second = InSuit(a.LeadLow ? top : under);
  return lead;
}

}  // namespace

SuitLead LeadInSuit(PlayContext& context, EngineState& engine, int suit) {
  return Leader(context, engine, suit).Lead();
}

}  // namespace tavlo
