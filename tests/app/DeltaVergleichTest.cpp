#include "ProgramFixture.h"

#include "analysis/Compression.h"
#include "analysis/DeltaSweep.h"
#include "windows/Werkzeuge.h"

#include <QElapsedTimer>

namespace {

// The comparison's rows, while the event loop runs, until all are done.
void WaitForTheSweep(TfrmHaupt* haupt)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 20000
           && std::any_of(haupt->DeltaRows.begin(), haupt->DeltaRows.end(), [](const auto& r) { return !r; }))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST_F(Program, ARowIsWhatTheProgramShowsForThatDelta)
{
    frmHaupt->ChooseKeepPercent(40);
    for (const int signal : {1, 2}) {  // "Stufe", "Knick"
        for (const int position : {0, 37, 100}) {
            // Scroll bar, "Go!", the signal sampled at that Delta, track bar
            // down, 40 % kept.
            frmHaupt->scrDelta.SetPosition(position);
            frmHaupt->butGo.click();
            frmHaupt->ChooseSignal(signal);
            DeltaSweepInput input = DeltaSweepInputOf(*A, frmHaupt->CurrentSignal, 40, KeepBy::Contribution);
            input.level = 3;
            frmHaupt->trbLevel.SetPosition(3);
            const ErrorNumbers shown = ComputeErrorNumbers(*frmHaupt->Plots.compressed);
            const ErrorNumbers row = DeltaSweepRow(input, position);
            EXPECT_EQ(row.MaxError, shown.MaxError) << signal << " " << position;
            EXPECT_EQ(row.RmsError, shown.RmsError) << signal << " " << position;
            EXPECT_EQ(row.DistanceMax, shown.DistanceMax) << signal << " " << position;
            EXPECT_EQ(row.DistanceRms, shown.DistanceRms) << signal << " " << position;
        }
    }
}

TEST_F(Program, ANewerChangeCancelsTheSweepAndTheLatestStateIsShown)
{
    frmHaupt->ChooseMaxLevel(10);
    frmHaupt->trbLevel.SetPosition(3);
    QCoreApplication::processEvents();  // the sweep of level 3 starts
    ASSERT_NE(frmHaupt->DeltaRun, nullptr);
    frmHaupt->ChooseKeepPercent(10);  // while it runs
    frmHaupt->trbLevel.SetPosition(4);
    WaitForTheSweep(frmHaupt);
    const DeltaSweepInput latest = DeltaSweepInputOf(*A, frmHaupt->CurrentSignal, 10, KeepBy::Contribution);
    EXPECT_EQ(frmHaupt->DeltaInput, latest);
    for (const int position : {0, 50, 83}) {
        ASSERT_TRUE(frmHaupt->DeltaRows[static_cast<std::size_t>(position)]);
        EXPECT_EQ(frmHaupt->DeltaRows[static_cast<std::size_t>(position)]->RmsError,
                  DeltaSweepRow(latest, position).RmsError) << position;
    }
    const std::string best = frmHaupt->frmWerkzeuge->labBestDelta.text().toStdString();
    EXPECT_TRUE(best.starts_with("Bestes Delta: ")) << best;
}

TEST_F(Program, AClickOnTheCurveSetsTheScrollBarAndRunsGo)
{
    TDeltaPlot& plot = frmHaupt->frmWerkzeuge->pltDelta;
    plot.resize(260, 120);
    plot.OnDeltaChosen(plot.PositionAt(plot.width() - 6 - (260 - 40) / 4));  // a quarter from the right
    EXPECT_EQ(frmHaupt->scrDelta.Position(), 75);
    EXPECT_EQ(A->aktDelta, 0.75);
}

TEST(DeltaSweep, CoarseStepsFirstAndTheLeastErrorWins)
{
    const std::vector<int> order = DeltaSweepOrder();
    ASSERT_EQ(order.size(), 101u);
    EXPECT_EQ((std::vector<int>(order.begin(), order.begin() + 3)), (std::vector<int>{0, 50, 100}));
    std::vector<std::optional<ErrorNumbers>> rows(101);
    EXPECT_EQ(BestDelta(rows, false), -1);
    rows[20] = ErrorNumbers{0, 0, 0.5, 0.2};
    rows[30] = ErrorNumbers{0, 0, 0.1, 0.2};
    rows[40] = ErrorNumbers{0, 0, 0.3, 0.4};
    EXPECT_EQ(BestDelta(rows, false), 20);  // equal RMS: the lower Delta
    EXPECT_EQ(BestDelta(rows, true), 30);
}

}  // namespace
