// Printing a full lesson plan (every section, 4 Review and 4 New lists of 40
// words) into a PDF through the Qt print layer, as "Print..." to a file and
// moxlet-cli plan-pdf do.  Also the layout alone on the recording layer, to
// tell the layout's share from Qt's.
//
//   cmake --preset release -DMOXLET_BENCHMARKS=ON && cmake --build --preset release -j2
//   build/release/bin/PlanPdfBench

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "core/output/PlanPrintout.h"
#include "support/RecordingPrintLayer.h"
#include "support/ReferencePlans.h"
#include "ui/common/MarkFont.h"
#include "ui/output/PlanPrinting.h"

namespace {

void planToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    moxlet::test::ReferencePlan plan = moxlet::test::fullReferencePlan();
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("plan.pdf")));
        if (moxlet::ui::printPlanOn(printer, 1, plan.output()) != 0) state.SkipWithError("printing failed");
    }
}
BENCHMARK(planToPdf)->Unit(benchmark::kMillisecond);

void planLayoutOnly(benchmark::State& state)
{
    moxlet::test::ReferencePlan plan = moxlet::test::fullReferencePlan();
    for (auto _ : state) {
        moxlet::test::RecordingPrintLayer layer;
        moxlet::PlanPrintout(layer, plan.output()).printCopy();
        benchmark::DoNotOptimize(layer.log());
    }
}
BENCHMARK(planLayoutOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    moxlet::ui::MarkFont::ensureLoaded();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
