#pragma once
// Four rows of cells (Gaps and its kin) on a bare table: each row built up in suit from the rank
// its rows start from, every card face up.

#include "catalogue/rule_values.h"
#include "engine/cards.h"
#include "engine/game_context.h"
#include "engine/legality.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace marlowe::testing {

class CellRowsTable : public ::testing::Test {
protected:
    CellRowsTable(int cells, int firstRank, int dealFamily) : context(presentation), cells_(cells), firstRank_(firstRank)
    {
        auto& rules = context.rules;
        rules[rule::PackSize] = 52;
        rules[rule::TableauCount] = 4;
        rules[rule::TableauStyle] = pile_style::RowOfCells;
        rules[rule::MaxTableauCards] = static_cast<std::int16_t>(cells);
        rules[rule::DealFamily] = static_cast<std::int16_t>(dealFamily);
        for (int k = 0; k < 4; ++k) {
            rules.Of(rule::TableauBaseRank, k) = static_cast<std::int16_t>(firstRank);
            rules.Of(rule::TableauDirection, k) = direction::Up;
            rules.Of(rule::TableauBuildCode, k) = building::InSuit;
            rules.Of(rule::TableauWrap, k) = 2;
        }
        for (int code = 1; code <= 52; ++code)
            context.cards.SetCardFaceMark(code, '1');
    }

    std::string& Row(int k) { return context.piles.tableaus[static_cast<std::size_t>(k)]; }

    // A row: the given cards from the left, then gaps.
    std::string Cells(std::vector<int> cards) const
    {
        cards.resize(static_cast<std::size_t>(cells_), 0);
        return PileTextOf(cards);
    }

    // A row settled in the suit from the rows' first rank to the King, gaps after it.
    std::string Settled(int suit) const
    {
        std::vector<int> cards;
        for (int rank = firstRank_; rank <= King; ++rank)
            cards.push_back(CardCode(suit, rank));
        return Cells(cards);
    }

    // One case of a table: the first row's cards from the left (0 a gap), the cell tried, the
    // card, and whether the cell takes it.
    struct CellCase {
        std::vector<int> row;
        int cell;
        int card;
        bool takes;
        const char* why;
    };

    void ExpectCellsTake(const std::vector<CellCase>& cases)
    {
        for (const CellCase& one : cases) {
            Row(0) = Cells(one.row);
            EXPECT_EQ(CanPlayInTableauCell(context, 0, one.cell, one.card), one.takes) << one.why;
        }
    }

    RecordingPresentation presentation;
    GameContext context;

private:
    int cells_;
    int firstRank_;
};

} // namespace marlowe::testing
