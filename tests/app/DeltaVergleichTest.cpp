#include "FilesFixture.h"

#include "analysis/Compression.h"
#include "analysis/DeltaSweep.h"
#include "app/WerkzeugeCommands.h"
#include "windows/Werkzeuge.h"

#include <QElapsedTimer>

#include <cmath>
#include <cstdio>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace {

// Handles events until `done` or until the time is up.
template <typename Done> void ProcessEventsUntil(Done done)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 20000 && !done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST_F(Program, ARowIsWhatTheProgramShowsForThatDelta)
{
    WerkzeugeCommands& werkzeuge = frmHaupt->Werkzeuge();
    werkzeuge.ChooseKeepPercent(40);
    for (const int signal : {1, 2}) {  // "Stufe", "Knick"
        for (const int position : {0, 37, 100}) {
            // Scroll bar, "Go!", the signal sampled at that Delta, track bar
            // down, 40 % kept.
            frmHaupt->scrDelta.SetPosition(position);
            frmHaupt->butGo.click();
            werkzeuge.ChooseSignal(signal);
            DeltaSweepInput input = frmHaupt->Session().ComparisonInput();
            input.level = 3;
            frmHaupt->trbLevel.SetPosition(3);
            const ErrorNumbers shown = ComputeErrorNumbers(frmHaupt->Session().Shown());
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
    WerkzeugeCommands& werkzeuge = frmHaupt->Werkzeuge();
    werkzeuge.ShowWerkzeuge();  // the comparison runs while it can be seen
    werkzeuge.ChooseMaxLevel(10);
    frmHaupt->trbLevel.SetPosition(3);
    QCoreApplication::processEvents();
    werkzeuge.ChooseKeepPercent(10);  // while the sweep of level 3 runs
    frmHaupt->trbLevel.SetPosition(4);
    const DeltaComparison& comparison = werkzeuge.Comparison();
    ProcessEventsUntil([&] { return comparison.Complete(); });
    const DeltaSweepInput latest = frmHaupt->Session().ComparisonInput();
    EXPECT_EQ(comparison.Input(), latest);
    for (const int position : {0, 50, 83}) {
        ASSERT_TRUE(comparison.CurrentRows()[static_cast<std::size_t>(position)]);
        EXPECT_EQ(comparison.CurrentRows()[static_cast<std::size_t>(position)]->RmsError,
                  DeltaSweepRow(latest, position).RmsError) << position;
    }
    const std::string best = werkzeuge.Window().labBestDelta.text().toStdString();
    EXPECT_TRUE(best.starts_with("Bestes Delta: ")) << best;
}

// Rows that wait until the test lets them go, each marked with the request
// (the percentage of its input) that computed it.
struct HeldRows {
    std::mutex mutex;
    std::condition_variable released;
    std::map<int, int> allowed, begun, computed;

    ErrorNumbers Row(const DeltaSweepInput& input, int)
    {
        std::unique_lock lock(mutex);
        ++begun[input.percent];
        released.wait(lock, [&] { return allowed[input.percent] > 0; });
        --allowed[input.percent];
        ++computed[input.percent];
        return ErrorNumbers{static_cast<double>(input.percent), 0.0};
    }
    void Release(int request, int rows)
    {
        const std::lock_guard lock(mutex);
        allowed[request] += rows;
        released.notify_all();
    }
    int Count(std::map<int, int>& counts, int request)
    {
        const std::lock_guard lock(mutex);
        return counts[request];
    }
};

TEST_F(Program, NoRowOfAnOlderRequestIsEverShownAndItsRestIsNeverComputed)
{
    HeldRows held;
    std::vector<DeltaComparison::Rows> shown;
    DeltaComparison comparison([&] { shown.push_back(comparison.CurrentRows()); },
                               [&](const DeltaSweepInput& input, int i) { return held.Row(input, i); }, 2);
    DeltaSweepInput older, newer;
    older.percent = 1;
    newer.percent = 2;
    comparison.Request(older);
    ASSERT_EQ(comparison.Threads(), 2);
    ProcessEventsUntil([&] { return held.Count(held.begun, 1) == 2; });  // both workers hold a row
    // Two rows are done and sent, and the workers hold the next two, when the
    // newer request comes; the window has not yet taken what was sent.
    held.Release(1, 2);
    while (held.Count(held.begun, 1) < 4)
        std::this_thread::yield();
    comparison.Request(newer);
    SettleEvents();
    held.Release(1, DeltaSweepPoints);
    held.Release(2, DeltaSweepPoints);
    ProcessEventsUntil([&] { return comparison.Complete(); });
    ASSERT_TRUE(comparison.Complete());
    EXPECT_EQ(comparison.Input(), newer);
    // Of the older request only the rows in hand were computed (Qt Concurrent
    // hands a worker a block of rows: the two in hand end their blocks of one
    // or two), and none was shown.
    EXPECT_LE(held.Count(held.computed, 1), 6);
    for (const DeltaComparison::Rows& rows : shown)
        for (const auto& row : rows)
            EXPECT_FALSE(row && row->MaxError == 1.0);
}

// A recording around 130 with small wiggles, 300 values, level 4, 5 % kept:
// "Übernehmen" takes the best Delta, and the numbers are then its row's.
TEST_F(Files, UebernehmenTakesTheBestDeltaAsItsRowWasMade)
{
    std::string values;
    for (int i = 0; i < 300; ++i)
        values += std::to_string(130.0 + 25.0 * std::sin(i / 9.0) + ((i * 37) % 11) / 3.0) + "\n";
    Write("ekg.txt", values);
    answers = {(folder / "ekg.txt").string()};
    WerkzeugeCommands& werkzeuge = frmHaupt->Werkzeuge();
    werkzeuge.ShowWerkzeuge();
    werkzeuge.Window().butDatei.click();
    frmHaupt->trbLevel.SetPosition(4);
    werkzeuge.ChooseKeepPercent(5);
    DeltaComparison& comparison = werkzeuge.Comparison();
    comparison.ComputeNow(frmHaupt->Session().ComparisonInput());
    const int best = werkzeuge.Window().BestPosition();
    ASSERT_GE(best, 0);
    const ErrorNumbers promised = *comparison.CurrentRows()[static_cast<std::size_t>(best)];

    werkzeuge.Window().butUebernehmen.click();
    EXPECT_EQ(frmHaupt->scrDelta.Position(), best);
    EXPECT_EQ(A->aktDelta, SweepDelta(best));
    EXPECT_EQ(A->Level, 4);
    const ErrorNumbers shown = ComputeErrorNumbers(frmHaupt->Session().Shown());
    EXPECT_EQ(shown.MaxError, promised.MaxError);
    EXPECT_EQ(shown.RmsError, promised.RmsError);
    EXPECT_EQ(shown.DistanceMax, promised.DistanceMax);
    EXPECT_EQ(shown.DistanceRms, promised.DistanceRms);
    char rms[32];
    std::snprintf(rms, sizeof rms, "RMS %.4g", promised.DistanceRms);
    EXPECT_EQ(werkzeuge.Window().labDistanceRms.text(), QString::fromUtf8(rms));
    EXPECT_TRUE(werkzeuge.Window().labMeldung.text().contains(QStringLiteral("übernommen")));
}

TEST_F(Program, TheComparisonWaitsForTheToolsWindowToOpen)
{
    WerkzeugeCommands& werkzeuge = frmHaupt->Werkzeuge();
    werkzeuge.Window().Hide();
    werkzeuge.ChooseSignal(3);
    SettleEvents();
    EXPECT_NE(werkzeuge.Comparison().Input(), frmHaupt->Session().ComparisonInput());
    werkzeuge.ShowWerkzeuge();
    SettleEvents();
    EXPECT_EQ(werkzeuge.Comparison().Input(), frmHaupt->Session().ComparisonInput());
    // At MaxLevel every Delta rebuilds the samples: a flat line at 0 on a scale to 1.
    werkzeuge.CompleteComparison();
    werkzeuge.Window().ShowDeltaRows(werkzeuge.Comparison().CurrentRows());
    QStringList scale;
    for (const TDeltaPlot::Text& t : werkzeuge.Window().pltDelta.Texts())
        scale << t.text;
    EXPECT_EQ(scale.mid(0, 2), (QStringList{"1", "0"}));
}

TEST_F(Program, WhatIsNoNumberIsShownAsADash)
{
    TfrmWerkzeuge& window = frmHaupt->Werkzeuge().Window();
    const ErrorNumbers nan{NAN, NAN, 0.5, HUGE_VAL};
    EXPECT_FALSE(window.ShowNumbers(nan, 1, 2, PartEnergies{{NAN, 1.0}, {NAN, 50.0}}, 3));
    EXPECT_EQ(window.labMaxError.text(), QStringLiteral("Max. Fehler: —"));
    EXPECT_EQ(window.labDistanceMax.text(), QStringLiteral("max. 0.5"));
    EXPECT_EQ(window.labDistanceRms.text(), QStringLiteral("RMS —"));
    EXPECT_EQ(window.labEnergieWert[0].text(), QStringLiteral("—"));
}

TEST(DeltaSweep, CoarseStepsFirstAndTheLeastErrorWins)
{
    const std::vector<int> order = DeltaSweepOrder();
    ASSERT_EQ(order.size(), 101u);
    EXPECT_EQ((std::vector<int>(order.begin(), order.begin() + 3)), (std::vector<int>{0, 50, 100}));
    std::vector<std::optional<ErrorNumbers>> rows(101);
    EXPECT_EQ(BestDelta(rows, SweepMeasure::DistanceRms), -1);
    rows[20] = ErrorNumbers{0, 0, 0.5, 0.2};
    rows[30] = ErrorNumbers{0, 0, 0.1, 0.2};
    rows[40] = ErrorNumbers{0, 0, 0.3, 0.4};
    EXPECT_EQ(BestDelta(rows, SweepMeasure::DistanceRms), 20);  // equal RMS: the lower Delta
    EXPECT_EQ(BestDelta(rows, SweepMeasure::DistanceMax), 30);
}

}  // namespace
