// The forms model under load: building a form of 250 controls, and typing 10,000 keys through
// the model (key events, a field filter in KeyPress, text edit, Change) with no skin attached.
#include "platform/forms/application.h"
#include "platform/forms/control_array.h"
#include "platform/forms/controls/buttons.h"
#include "platform/forms/controls/label.h"
#include "platform/forms/controls/lists.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/user_actions.h"

#include <benchmark/benchmark.h>

namespace {

// 110 text fields, 110 labels, 15 check boxes and 15 combo boxes: 250 controls, about the size
// of the main window.
struct LargeForm : forms::Form {
    explicit LargeForm(forms::Application& app) : Form(app, "frmLarge") {
        for (int i = 0; i < 110; ++i) {
            txtInput.Add(i).SetMaxLength(50);
            lblInput.Add(i).SetCaption("Field " + std::to_string(i));
        }
        for (int i = 0; i < 15; ++i) {
            chkOption.Add(i).SetCaption("Option");
            cmboChoice.Add(i).AddItem("Choice");
        }
        // The program's filter for whole numbers: digits and backspace only.
        txtInput.On(&forms::TextBox::KeyPress, [this](int, int& key) {
            ++keyPresses;
            if (key != '\b' && (key < '0' || key > '9')) {
                key = 0;
            }
        });
        txtInput.On(&forms::TextBox::Change, [this](int) { ++changes; });
    }
    forms::ControlArray<forms::TextBox> txtInput{*this, "txtInput"};
    forms::ControlArray<forms::Label> lblInput{*this, "lblInput"};
    forms::ControlArray<forms::CheckBox> chkOption{*this, "chkOption"};
    forms::ControlArray<forms::ComboBox> cmboChoice{*this, "cmboChoice"};
    long keyPresses = 0;
    long changes = 0;
};

void BM_CreateFormOf250Controls(benchmark::State& state) {
    for (auto _ : state) {
        forms::Application app;
        auto& form = app.Create<LargeForm>();
        form.Show();
        benchmark::DoNotOptimize(form.Controls().size());
    }
}
BENCHMARK(BM_CreateFormOf250Controls)->Unit(benchmark::kMicrosecond);

void BM_Type10000Keys(benchmark::State& state) {
    forms::Application app;
    auto& form = app.Create<LargeForm>();
    form.Show();
    const std::string keys = "12a34.5\b6789";
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            if (i % 40 == 0) {
                // Move on to the next field now and then, as a user does.
                forms::user::Focus(form.txtInput((i / 40) % 110));
                form.txtInput((i / 40) % 110).SetText("");
            }
            forms::user::TypeKey(app, keys[static_cast<std::size_t>(i) % keys.size()]);
        }
    }
    state.counters["keys/s"] = benchmark::Counter(10000.0 * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["KeyPress/run"] = static_cast<double>(form.keyPresses) / iterations;
    state.counters["Change/run"] = static_cast<double>(form.changes) / iterations;
}
BENCHMARK(BM_Type10000Keys)->Unit(benchmark::kMillisecond);

} // namespace
