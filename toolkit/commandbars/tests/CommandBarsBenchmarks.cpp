// CommandBarsBenchmarks.cpp: what a fade frame, a bar layout and a bar repaint cost, run by hand under Wine.
#include "KTCommandBar.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTPaintManager.h"
#include "TestSurface.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace
{
// One frame of a popup fade over a 300 x 400 menu.
void BM_FadeFrame(benchmark::State& state)
{
    const int cx = 300, cy = 400;
    std::vector<BYTE> first(cx * cy * 4, 40), second(cx * cy * 4, 220), mix(cx * cy * 4);
    for (auto _ : state)
    {
        CKTPaintManager::AlphaBlendBuffers(mix.data(), first.data(), cx, cy, second.data(), 127);
        benchmark::DoNotOptimize(mix.data());
    }
}
BENCHMARK(BM_FadeFrame);

CKTSmartPtr<CKTCommandBar> MakeBar(int nControls)
{
    CKTSmartPtr<CKTCommandBar> pBar = KTMakeCounted<CKTCommandBar>();
    pBar->SetPosition(ktBarTop);
    for (int i = 0; i < nControls; i++)
        pBar->GetControls()->Add(ktControlButton, 100 + i)->SetCaption("Button");
    return pBar;
}

// A tool bar of 30 captioned buttons wrapped into rows.
void BM_LayoutThirtyButtons(benchmark::State& state)
{
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar(30);
    for (auto _ : state)
        benchmark::DoNotOptimize(pBar->GetControls()->CalcDynamicSize(600, LM_HORZDOCK | LM_COMMIT, CRect(2, 2, 2, 2)));
    pBar->OnRemoved();
}
BENCHMARK(BM_LayoutThirtyButtons);

// Drawing a laid-out bar of 30 buttons in theme 4, as a repaint without a cache does.
void BM_DrawThirtyButtons(benchmark::State& state)
{
    CKTPaintManager::SetTheme(ktCommandBarsThemeFlatScheme);
    CTestParent parent(800, 100);
    CKTSmartPtr<CKTCommandBar> pBar = MakeBar(30);
    pBar->CreateBarWindow("KTBenchBar", &parent, 1);
    pBar->MoveWindow(0, 0, 800, 60);
    pBar->GetControls()->CalcDynamicSize(800, LM_HORZDOCK | LM_COMMIT, CRect(2, 2, 2, 2));
    CTestSurface surface(800, 60);
    for (auto _ : state)
        pBar->DrawCommandBar(surface.DC(), CRect(0, 0, 800, 60));
    pBar->OnRemoved();
}
BENCHMARK(BM_DrawThirtyButtons);
}  // namespace

BENCHMARK_MAIN();
