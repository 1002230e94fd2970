#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

namespace ribi::catalogue {
namespace {

TEST(Catalogue, HasEighteenSpecies) { EXPECT_EQ(species().size(), 18u); }

} // namespace
} // namespace ribi::catalogue
