#include "support/testmain.h"

#include "editor12/frmoptions.h"

TEST(Editor12, WindowCaption)
{
    ts::FrmOptions window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("SCORM 1.2 Metadata"));
}
