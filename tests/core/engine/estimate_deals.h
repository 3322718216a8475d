#pragma once
// Deals whose suits show one feature of the suit estimate each. West
// declares, so North leads.

#include <string_view>

namespace tavlo::testing_support {

// North-South own the spades; East-West the rest. Meant for no trump.
inline constexpr std::string_view SpadesForUs =
    "N:AKQJT98.2.32.432 .AKQJT.AKQJ.AKQJ 765432.43.54.765 .98765.T9876.T98";
// Hearts trumps: East is void in clubs with trumps to ruff them, West void
// in spades with trumps.
inline constexpr std::string_view EastRuffsClubs =
    "N:AK2.432.5432.432 QJT9876.AKQ.AKQ. 543.765.T876.765 .JT98.J9.AKQJT98";
// Hearts trumps: East holds a singleton diamond and all the trumps.
inline constexpr std::string_view EastSingletonDiamond =
    "N:AKQJ.2.AKQJT98.2 76.AKQJT98765.2. T98.43.76543.543 5432...AKQJT9876";

}  // namespace tavlo::testing_support
