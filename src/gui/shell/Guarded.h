#pragma once

#include "base/Prompter.h"
#include "base/ShipkitError.h"

#include <concepts>
#include <exception>
#include <functional>
#include <utility>

// Wraps a slot so that no exception leaves it into Qt: what went wrong is shown through the
// Prompter as the program-wide handler would show it, and the program goes on.
template <class Slot> auto guarded(Prompter& prompter, Slot slot) {
    return [&prompter, slot = std::move(slot) ](
        auto&&... args) requires std::invocable<Slot&, decltype(args)...> {
        try {
            std::invoke(slot, std::forward<decltype(args)>(args)...);
        } catch (const ShipkitError& e) {
            prompter.handlerError(e.text());
        } catch (const std::exception& e) {
            prompter.handlerError(QString::fromLocal8Bit(e.what()));
        }
    };
}
