// The table of register fields: a field that overlaps another, or runs over the end of its
// area, would silently corrupt its neighbour's value.

#include "app/register_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace marlowe {
namespace {

TEST(RegisterFields, EveryFieldLiesInsideOneArea)
{
    for (const RegisterField& field : EveryRegisterField()) {
        EXPECT_GT(field.Width(), 0) << "field at " << field.Position();
        EXPECT_TRUE(std::any_of(kRegisterAreas.begin(), kRegisterAreas.end(), [&](const RegisterArea& area) {
            return area.Holds(field.Position()) && area.Holds(field.End());
        })) << "field at " << field.Position() << " of width " << field.Width();
    }
}

TEST(RegisterFields, NoTwoFieldsOverlap)
{
    std::vector<RegisterField> fields(EveryRegisterField().begin(), EveryRegisterField().end());
    std::sort(fields.begin(), fields.end(),
              [](const RegisterField& a, const RegisterField& b) { return a.Position() < b.Position(); });
    for (std::size_t i = 1; i < fields.size(); ++i)
        EXPECT_GT(fields[i].Position(), fields[i - 1].End())
            << "field at " << fields[i].Position() << " overlaps the one at " << fields[i - 1].Position();
}

} // namespace
} // namespace marlowe
