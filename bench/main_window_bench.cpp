// The main window: start-up to the window shown, and one calculation run
// of all twelve lines. Runs on Qt's offscreen platform unless another is
// asked for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

#include <chrono>
#include <cstdlib>
#include <memory>

#include "common/message_box.h"
#include "main_window/frm_main.h"

namespace kalvest {
namespace {

int g_argc = 1;
char g_program_name[] = "bench_main_window";
char* g_argv[] = {g_program_name, nullptr};

QApplication& Application() {
    static std::unique_ptr<QApplication> application = [] {
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return std::make_unique<QApplication>(g_argc, g_argv);
    }();
    return *application;
}

// A message box during a benchmark is a fault; count them.
int g_message_boxes = 0;

void CountMessageBoxes() {
    SetMessageBoxHandler([](const MessageBoxRequest&) { ++g_message_boxes; });
}

std::unique_ptr<frmMain> StartWindow() {
    auto window = std::make_unique<frmMain>();
    window->EndProgram = [] {};
    window->Form_Load();
    QCoreApplication::processEvents();
    return window;
}

// The first start of the process: the application object, the font
// database and the platform come up too, as when the program is started.
void BM_FirstStartup(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Application();
        CountMessageBoxes();
        auto window = StartWindow();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        benchmark::DoNotOptimize(window->isVisible());
    }
}
BENCHMARK(BM_FirstStartup)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Every later start of the window in the same process.
void BM_Startup(benchmark::State& state) {
    Application();
    CountMessageBoxes();
    for (auto _ : state) {
        auto window = StartWindow();
        benchmark::DoNotOptimize(window->isVisible());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["message_boxes"] = g_message_boxes;
}
BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond);

// One run of all twelve lines into an empty output box, shown.
void BM_TwelveLineRun(benchmark::State& state) {
    Application();
    CountMessageBoxes();
    auto window = StartWindow();
    window->txbYear->setText(QStringLiteral("2021"));
    for (int index : {0, 2}) window->cmdAllOrNoneKalvest_Click(index);
    window->chkTrueSun->setCheckState(Qt::Checked);
    window->chkMeanSun->setCheckState(Qt::Checked);
    window->chkIncludeWeekday->setCheckState(Qt::Checked);
    for (auto _ : state) {
        state.PauseTiming();
        window->cmdClear_Click();
        state.ResumeTiming();
        window->cmdCalculate_Click();
    }
    state.counters["message_boxes"] = g_message_boxes;
    state.counters["output_chars"] = static_cast<double>(window->Output.Text().size());
}
BENCHMARK(BM_TwelveLineRun)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kalvest
