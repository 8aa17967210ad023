#include "support/testmain.h"

#include "model12/record12.h"

using namespace ts;

TEST(Record12, DesignDefaultsAndClearedRecord)
{
    const Record12 d = designDefaults12();
    EXPECT_EQ(d.versionText, QStringLiteral("1.0"));
    EXPECT_EQ(d.catalogEntryText, QStringLiteral("TBD"));
    EXPECT_EQ(d.lifecycleStatusCombo, QStringLiteral("Final"));
    EXPECT_EQ(d.cboConRole, QStringLiteral("Publisher"));
    EXPECT_FALSE(d.feesYes);
    EXPECT_FALSE(d.copyrightYes);
    const Record12 c = clearedRecord12();
    EXPECT_TRUE(c.copyrightYes);
    EXPECT_FALSE(c.feesYes);
    EXPECT_TRUE(c.titleText.isEmpty());
}
