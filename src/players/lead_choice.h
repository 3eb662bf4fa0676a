#pragma once

#include "core/model.h"

namespace zunda {

struct Game;

// A computer seat that holds the lead picks its set and leaves it in g.TablePlay, complete
// with the seat's card codes, its Seat, Tag and Total; the turn cycle then executes it.
// A seat in finish mode runs out; otherwise the next seat in play decides: an opponent down
// to one set is denied an easy way out, a partner down to one set is fed, and anyone else
// sees the seat's lowest set.
void ChooseLead(Game& g, int seat);

// The four lead choosers behind ChooseLead.
void LeadDefault(Game& g, int seat);
void LeadForPartner(Game& g, int seat);
void LeadAgainstFinisher(Game& g, int seat);
void LeadInFinishMode(Game& g, int seat);

// The most jokers any one seat of the other team holds, finished or not.
int MaxOpponentJokers(const Game& g, int seat);
// The most cards of `rank` or higher that any one seat of the other team holds. Only asked
// about ranks above the king; a lower rank is a fault and fatal.
int MaxOpponentHigh(const Game& g, int seat, int rank);

// Makes `play` the seat's whole bucket of `rank`: its cards as base for 3..14, as twos for
// 15, as small or big jokers for 16 and 17; Seat, Tag and Total set, every other field empty.
void SetWholeBucket(const Game& g, int seat, int rank, PlayRecord& play);

}  // namespace zunda
