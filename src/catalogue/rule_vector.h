#pragma once
// The rule parameters of the current game: 503 signed 16-bit entries, and the saved copy of the
// base ranks that the deal overwrites, so that every new deal starts from the loaded values.

#include "catalogue/rule_parameters.h"

#include <array>
#include <cstdint>

namespace marlowe {

class RuleVector {
public:
    std::int16_t& operator[](int index) { return values_.at(static_cast<std::size_t>(index)); }
    std::int16_t operator[](int index) const { return values_.at(static_cast<std::size_t>(index)); }

    // Entry base + pile of a per-pile family.
    std::int16_t& Of(int family, int pile) { return (*this)[family + pile]; }
    std::int16_t Of(int family, int pile) const { return (*this)[family + pile]; }

    void Clear() { values_.fill(0); }

    // Copies the tableau base ranks (135..174) and the foundation base ranks (55..70) aside,
    // or back.
    void SaveRuleCopy();
    void RestoreRuleCopy();

    const std::array<std::int16_t, kRuleVectorSize>& Values() const { return values_; }
    bool operator==(const RuleVector&) const = default;

private:
    std::array<std::int16_t, kRuleVectorSize> values_{};
    std::array<std::int16_t, kMaxTableaus + kMaxFoundations> savedCopy_{};
};

} // namespace marlowe
