#pragma once
// Cards and calls in words, as a screen reader says them to a player who
// cannot see the table: "Queen of hearts", "Two clubs", "One no trump".

#include <QString>

#include "model/codes.h"

namespace tavlo {

QString SpokenCard(int suit, int rank);
// A level bid, pass, double or redouble; empty for no call.
QString SpokenCall(Bid call);

}  // namespace tavlo
