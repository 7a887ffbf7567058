#pragma once

#include "TestProgram.h"
#include "analysis/LevelMatrices.h"
#include "app/About.h"
#include "app/Calcmatrixfortschritt.h"
#include "app/Haupt.h"
#include "app/Menus.h"
#include "app/WerkzeugeCommands.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

// Watches the progress window: what its boxes and bar show at each paint.
class ProgressRecorder : public QObject {
public:
    struct Shown {
        std::string line1, line2;
        int position, maximum;
    };
    std::vector<Shown> shown;

    bool eventFilter(QObject*, QEvent* event) override
    {
        const TfrmCalcInfo* frmCalcInfo = MainWindow() ? MainWindow()->CalcInfo() : nullptr;
        if (event->type() != QEvent::Paint || !frmCalcInfo)
            return false;
        const Shown now{frmCalcInfo->Lines[0], frmCalcInfo->Lines[1], frmCalcInfo->proMatrix.Position(),
                        frmCalcInfo->proMatrix.Max()};
        // The bar's own repaints reach the window too: keep each picture once.
        if (shown.empty() || shown.back().line1 != now.line1 || shown.back().line2 != now.line2
            || shown.back().position != now.position)
            shown.push_back(now);
        return false;
    }
};

// The whole program, started as its entry starts it, offscreen. The windows
// and the analysis go by the program's own names.
class Program : public testing::Test {
protected:
    void SetUp() override
    {
        Start();
        Settle();
    }

    void TearDown() override { FreeAllWindows(); }

    void Start()
    {
        frmHaupt = RestartProgram();
        A = &frmHaupt->Session().State();
        frmCalcInfo = frmHaupt->CalcInfo();
        frmSkalfunktion = &frmHaupt->Plot(Skalfunktion);
        frmApprREQ = &frmHaupt->Plot(ApprREQ);
        frmWavelet = &frmHaupt->Plot(Wavelet);
        frmGlaette = &frmHaupt->Plot(Glaette);
        frmDetails = &frmHaupt->Plot(Details);
        frmFunktion = &frmHaupt->Plot(Funktion);
        frmError = &frmHaupt->Plot(Error);
    }

    static void Settle() { SettleEvents(); }

    TfrmHaupt* frmHaupt = nullptr;
    Analysis* A = nullptr;
    TfrmCalcInfo* frmCalcInfo = nullptr;
    TPlotWindow *frmSkalfunktion = nullptr, *frmApprREQ = nullptr, *frmWavelet = nullptr;
    TPlotWindow *frmGlaette = nullptr, *frmDetails = nullptr, *frmFunktion = nullptr, *frmError = nullptr;

    std::array<TPlotWindow*, 4> FunctionWindows() const { return {frmGlaette, frmDetails, frmFunktion, frmError}; }
    std::array<TPlotWindow*, 3> BasisWindows() const { return {frmSkalfunktion, frmApprREQ, frmWavelet}; }

    // Draw counts since the last call.
    struct Counts {
        std::array<int, 4> function{};
        std::array<int, 3> basis{};
    };
    Counts CountsNow() const
    {
        Counts c;
        for (int i = 0; i < 4; ++i)
            c.function[i] = FunctionWindows()[i]->Draws;
        for (int i = 0; i < 3; ++i)
            c.basis[i] = BasisWindows()[i]->Draws;
        return c;
    }
    // Expects every function window drawn f times and every basis window b times since `before`.
    void ExpectDraws(const Counts& before, int f, int b) const
    {
        const Counts now = CountsNow();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(now.function[i] - before.function[i], f) << FunctionWindows()[i]->Name();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(now.basis[i] - before.basis[i], b) << BasisWindows()[i]->Name();
    }
};
