#include "support/testmain.h"

#include "framefixture.h"

#include "frame/frmprocessing.h"
#include "platform/timing.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>

using namespace ts;
using namespace ts::test;

class Processing : public FrameTest {
protected:
    // The bar's length after each tick of the timer during one modal show.
    std::vector<int> runAndRecord()
    {
        std::vector<int> lengths;
        FrmProcessing &box = frmProcessing();
        const auto c = QObject::connect(box.timer(), &QTimer::timeout, [&] {
            lengths.push_back(static_cast<int>(box.bar()->text().size()));
            if (lengths.size() == 1) {
                EXPECT_EQ(QApplication::activeModalWidget(), &box);
            }
        });
        box.showModal();
        QObject::disconnect(c);
        return lengths;
    }
};

TEST_F(Processing, LoadsWithThreeBarsAndTicksOnceAtOnce)
{
    FrmProcessing &box = frmProcessing();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Processing. . . "));
    EXPECT_EQ(box.bar()->text(), QStringLiteral("|||"));
    EXPECT_EQ(box.bar()->font().family(), QStringLiteral("Arial"));
    EXPECT_FALSE(box.doneProcessing);
    box.Form_Load();
    EXPECT_EQ(box.bar()->text(), QString(7, QLatin1Char('|')));
    EXPECT_EQ(box.stepCounter(), 3);
    EXPECT_TRUE(box.timer()->isActive());
    EXPECT_EQ(box.timer()->interval(), timerInterval(250));
    box.timer()->stop();
}

TEST_F(Processing, TicksGrowTheBarAndTheFourthEndsTheBox)
{
    FrmProcessing &box = frmProcessing();
    box.Form_Load();
    box.timer()->stop();
    const struct {
        int bars;
        int counter;
        bool done;
    } ticks[] = {{17, 2, false}, {34, 1, false}, {34, 0, true}};
    for (const auto &t : ticks) {
        box.tmrEvent_Timer();
        EXPECT_EQ(box.bar()->text(), QString(t.bars, QLatin1Char('|')));
        EXPECT_EQ(box.stepCounter(), t.counter);
        EXPECT_EQ(box.doneProcessing, t.done);
    }
    EXPECT_FALSE(box.timer()->isActive());
}

TEST_F(Processing, ModalShowReturnsWhenTheBoxHasClosedItself)
{
    FrmProcessing &box = frmProcessing();
    EXPECT_EQ(runAndRecord(), std::vector<int>({17, 34, 34}));
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(box.doneProcessing);
    // The flag stays until the caller sets it back; the next show starts again from three bars.
    box.doneProcessing = false;
    EXPECT_EQ(runAndRecord(), std::vector<int>({17, 34, 34}));
    EXPECT_TRUE(box.doneProcessing);
}

TEST_F(Processing, TakesThreeIntervalsWhateverTheCallerDoes)
{
    setTimerScale(0.02); // 5 ms a tick
    QElapsedTimer clock;
    clock.start();
    frmProcessing().showModal();
    const qint64 elapsed = clock.elapsed();
    setTimerScale(0.001);
    EXPECT_GE(elapsed, 14);
    EXPECT_TRUE(frmProcessing().doneProcessing);
}

TEST_F(Processing, NeitherEscapeNorCloseEndsItEarly)
{
    FrmProcessing &box = frmProcessing();
    bool stillShown = true;
    int tick = 0;
    const auto c = QObject::connect(box.timer(), &QTimer::timeout, [&] {
        if (++tick != 1)
            return;
        box.reject();
        box.close();
        stillShown = box.isVisible();
    });
    box.showModal();
    QObject::disconnect(c);
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(tick, 3);
    EXPECT_TRUE(box.doneProcessing);
}
