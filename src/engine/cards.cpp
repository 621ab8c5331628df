#include "engine/cards.h"

namespace marlowe {

namespace {

// The position of a pack card within its own pack, 1..52.
int FoldIntoOnePack(int code)
{
    if (code > 156)
        return code - 156;
    if (code > 104)
        return code - 104;
    if (code > 52)
        return code - 52;
    return code;
}

} // namespace

int CardRank(int code)
{
    if (code == kNoCard)
        return 0;
    if (IsJoker(code))
        return kJokerRank;
    if (code < 0 || code > kLastJoker)
        return -1;
    return (FoldIntoOnePack(code) - 1) % 13 + 1;
}

int CardSuit(int code)
{
    if (code > kLastPackCard)
        return -1;
    if (code <= 0)
        return Hearts; // the empty values count as hearts
    return (FoldIntoOnePack(code) - 1) / 13;
}

bool IsRedCard(int code)
{
    if (code <= 0)
        return true;
    if (code > kLastPackCard)
        return false;
    return FoldIntoOnePack(code) <= 26;
}

bool IsJoker(int code)
{
    return code >= kFirstJoker && code <= kLastJoker;
}

int FaceImageIndex(int code)
{
    if (code > kLastPackCard)
        return kJokerImage;
    return FoldIntoOnePack(code) - 1;
}

} // namespace marlowe
