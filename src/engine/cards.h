#pragma once
// Card codes: 1..208 the cards of up to four 52-card packs (hearts, diamonds, clubs, spades,
// each Ace to King), 209..212 the four jokers, 0 no card ("000", a gap, in pile text).

namespace marlowe {

constexpr int kNoCard = 0;
constexpr int kLastPackCard = 208;
constexpr int kFirstJoker = 209;
constexpr int kLastJoker = 212;
constexpr int kJokerRank = 100;
constexpr int kJokerImage = 52;

enum Suit { Hearts = 0, Diamonds = 1, Clubs = 2, Spades = 3 };
enum Rank { Ace = 1, Jack = 11, Queen = 12, King = 13 };

// 1..13 (Ace..King); 100 for a joker; 0 for no card; -1 for a code above the jokers or below 0.
int CardRank(int code);
// 0 hearts, 1 diamonds, 2 clubs, 3 spades; -1 above the packs (jokers included); codes <= 0
// (no card, an empty pile) count as hearts.
int CardSuit(int code);
// Hearts and diamonds, and every code <= 0; never a joker.
bool IsRedCard(int code);
bool IsJoker(int code);
// 0..51 within one pack (hearts A..K, diamonds, clubs, spades); 52 the joker image.
int FaceImageIndex(int code);

// The code of a card: suit 0..3, rank 1..13, pack 0..3.
constexpr int CardCode(int suit, int rank, int pack = 0) { return pack * 52 + suit * 13 + rank; }

} // namespace marlowe
