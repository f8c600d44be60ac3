// The main window's calculation entry: fields read from the window's model, the calculation
// through the factor library, and the report fields written back through the field array.
#include "program/ui/main_window/calculate_illustration.h"

#include "platform/forms/application.h"

#include <benchmark/benchmark.h>

namespace {

// The RMD type.
void BM_CalculateIllustrationRmd(benchmark::State& state) {
    forms::Application app;
    ui::ProgramState program;
    program.IllustrationType = illustration::IllustrationType::PlanholderRmd;
    program.IllustrationSaved = true;
    auto& main = app.Create<ui::frmMain>(program);
    const auto& repInfo = app.Create<ui::frmRepInfo>();
    main.validated.birthDate = "03/15/1940";
    main.validated.calculationYear = "2011";
    main.validated.accountValue = "100000";
    main.validated.planType = "IRA";
    calc::StretchProjection result;
    for (auto _ : state) {
        ui::CalculateIllustration(main, repInfo, result);
    }
}
BENCHMARK(BM_CalculateIllustrationRmd);

} // namespace
