// Redraw timings at the layout of a 1920 x 1080 screen, offscreen.
#include "Diagram.h"
#include "frmStart.h"
#include "modCalc.h"

#include <QApplication>
#include <QTemporaryFile>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
const Wing kBuiltIn; // the program's own polar
} // namespace

namespace {

frmStart *g_form = nullptr;

// A redraw as the screen gets it: the texts are placed when the picture is shown.
void redraw(frmStart &form)
{
    form.Repaint();
    form.picPolare->settle();
}

void BM_Repaint(benchmark::State &state)
{
    for (auto _ : state) {
        redraw(*g_form);
    }
}
BENCHMARK(BM_Repaint);

void BM_RestoreBackground(benchmark::State &state)
{
    for (auto _ : state) {
        g_form->RestoreBackground();
        // The first drawing after a restore copies the shared picture: count that too.
        g_form->picPolare->prepareDrawing();
    }
}
BENCHMARK(BM_RestoreBackground);

void BM_DrawPolarOverlay(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        g_form->RestoreBackground();
        g_form->picPolare->prepareDrawing();
        state.ResumeTiming();
        g_form->DrawPolarOverlay(g_form->decl.WindH, g_form->decl.WindV);
        g_form->picPolare->settle();
    }
}
BENCHMARK(BM_DrawPolarOverlay);

void BM_DrawGlidePath(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        g_form->RestoreBackground();
        g_form->picPolare->prepareDrawing();
        state.ResumeTiming();
        g_form->DrawGlidePath(g_form->decl.WindH, g_form->decl.WindV);
        g_form->picPolare->settle();
    }
}
BENCHMARK(BM_DrawGlidePath);

void BM_BestGlide(benchmark::State &state)
{
    float airspeed = 0.0f;
    const float windH = -25.0f;
    const float windV = 0.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(BestGlide(kBuiltIn, airspeed, windH, windV));
    }
}
BENCHMARK(BM_BestGlide);

template <typename F> double microseconds(F f)
{
    const auto a = std::chrono::steady_clock::now();
    f();
    const auto b = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(b - a).count();
}

double median(std::vector<double> t)
{
    std::nth_element(t.begin(), t.begin() + t.size() / 2, t.end());
    return t[t.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryFile config;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && config.open()) {
        config.write(R"({"screens":[{"name":"virt","x":0,"y":0,"width":1920,"height":1080,)"
                     R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
        config.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    frmStart form;
    g_form = &form;
    std::printf("diagram: %d x %d pixels\n", form.picPolare->width(), form.picPolare->height());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // Interleaved, so that both see the same state of a shared machine.
    std::vector<double> repaints;
    std::vector<double> restores;
    for (int i = 0; i < 2000; ++i) {
        repaints.push_back(microseconds([&] { redraw(form); }));
        restores.push_back(microseconds([&] {
            form.RestoreBackground();
            form.picPolare->prepareDrawing();
        }));
    }
    const double repaint = median(repaints);
    const double restore = median(restores);
    std::printf("median Repaint %.1f us, bare restore %.1f us, ratio %.2f\n", repaint, restore,
                repaint / restore);
    return 0;
}
