// A control array: elements of one control type sharing a name and told apart by index. The
// indices may leave gaps (0 to 52 and 101 to 158, say); touching an index that holds no element
// raises the runtime's error 9, "Subscript out of range". Events of the elements reach the
// array's handlers with the element's index.
#pragma once

#include "platform/forms/control.h"
#include "platform/forms/errors.h"
#include "platform/forms/form.h"

#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace forms {

template <class T>
class ControlArray {
public:
    ControlArray(Form& form, std::string name) : form_(form), name_(std::move(name)) {}

    // Creates the element `index` (design time); extra arguments go to T's constructor after
    // the form and name. Error 5 when the index is taken or negative.
    template <class... Args>
    T& Add(int index, Args&&... args) {
        if (index < 0 || elements_.contains(index)) {
            RaiseInvalidProcedureCall(name_ + "(" + std::to_string(index) + ") already exists");
        }
        auto element = std::make_unique<T>(form_, name_, std::forward<Args>(args)...);
        element->index_ = index;
        T& added = *element;
        elements_.emplace(index, std::move(element));
        for (const auto& attach : handlers_) {
            attach(added);
        }
        return added;
    }

    // The element `index`; error 9 when there is none.
    T& operator()(int index) const {
        form_.Touch();
        const auto found = elements_.find(index);
        if (found == elements_.end()) {
            RaiseSubscriptOutOfRange(name_ + "(" + std::to_string(index) + ")");
        }
        return *found->second;
    }

    bool Exists(int index) const { return elements_.contains(index); }
    int Count() const { return static_cast<int>(elements_.size()); }
    // The lowest and highest index; error 9 for an empty array.
    int LBound() const { return elements_.empty() ? Empty() : elements_.begin()->first; }
    int UBound() const { return elements_.empty() ? Empty() : elements_.rbegin()->first; }
    // The indices that hold elements, ascending.
    std::vector<int> Indices() const {
        std::vector<int> indices;
        for (const auto& [index, element] : elements_) {
            indices.push_back(index);
        }
        return indices;
    }
    const std::string& Name() const { return name_; }

    // Handles `event` of every element, present and future, with the element's index first:
    // `txtInput.On(&TextBox::KeyPress, [this](int index, int& keyAscii) { ... });`
    template <class Owner, class... Args, class Handler>
    void On(Event<Args...> Owner::*event, Handler handler) {
        static_assert(std::is_base_of_v<Owner, T>, "the event belongs to another control type");
        auto attach = [event, handler](T& element) {
            const int index = element.Index();
            element.*event = [handler, index](Args... args) {
                handler(index, std::forward<Args>(args)...);
            };
        };
        for (auto& [index, element] : elements_) {
            attach(*element);
        }
        handlers_.push_back(std::move(attach));
    }

private:
    [[noreturn]] int Empty() const { RaiseSubscriptOutOfRange(name_ + " has no elements"); }

    Form& form_;
    std::string name_;
    std::map<int, std::unique_ptr<T>> elements_;
    std::vector<std::function<void(T&)>> handlers_;
};

} // namespace forms
