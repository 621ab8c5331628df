#include "catalogue/rule_vector.h"

#include <algorithm>

namespace marlowe {

void RuleVector::SaveRuleCopy()
{
    const auto tableau = values_.begin() + rule::TableauBaseRank;
    const auto foundation = values_.begin() + rule::FoundationBaseRank;
    std::copy(tableau, tableau + kMaxTableaus, savedCopy_.begin());
    std::copy(foundation, foundation + kMaxFoundations, savedCopy_.begin() + kMaxTableaus);
}

void RuleVector::RestoreRuleCopy()
{
    std::copy(savedCopy_.begin(), savedCopy_.begin() + kMaxTableaus, values_.begin() + rule::TableauBaseRank);
    std::copy(savedCopy_.begin() + kMaxTableaus, savedCopy_.end(), values_.begin() + rule::FoundationBaseRank);
}

} // namespace marlowe
