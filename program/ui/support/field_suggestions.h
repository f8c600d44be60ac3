// The example values that input validation puts into the fields it finds wrong ("Sample",
// "IRA Plan", today's date, "4.00"). An example is not the user's input: until that field is
// changed, by the user or by the program, validation reads what the field held before it, so
// the same check fails again instead of taking the example for an answer, and a calculation
// never runs on it. The window's own reshaping of a field's text on entry and exit (a rate's
// "%", a money field's "$") is no change of it.
#pragma once

#include <map>
#include <string>

namespace ui {

class FieldSuggestions {
public:
    // Field `index` shows an example in place of the user's input `typed`.
    void Suggest(int index, std::string typed);
    // The text of field `index` changed: an example there is gone.
    void Forget(int index);
    void ForgetAll() { typed_.clear(); }
    // What validation reads of field `index` while it shows `shown`.
    const std::string& Input(int index, const std::string& shown) const;
    // The fields that show an example, each with the text from before it; they are forgotten.
    std::map<int, std::string> TakeAll();

    // While one lives, changes of field texts are the window's reshaping of them.
    class Reshaping {
    public:
        explicit Reshaping(FieldSuggestions& suggestions) : suggestions_(suggestions) {
            ++suggestions_.reshaping_;
        }
        ~Reshaping() { --suggestions_.reshaping_; }
        Reshaping(const Reshaping&) = delete;
        Reshaping& operator=(const Reshaping&) = delete;

    private:
        FieldSuggestions& suggestions_;
    };
    // Called by the window for every change of a field's text.
    void FieldChanged(int index);

private:
    std::map<int, std::string> typed_;
    int reshaping_ = 0;
};

} // namespace ui
