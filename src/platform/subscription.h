#pragma once
// An observer's place in what it observes (a control, a window, the window
// registry) for as long as the subscription lives: it ends with it, or when
// it is reset or replaced. What is observed must outlive it.
#include <functional>
#include <utility>

namespace jd {

class Subscription {
public:
    Subscription() = default;
    // `source.subscribe(observer)`, ended by `source.unsubscribe(id)`.
    template <class Source, class Observer>
    Subscription(Source& source, Observer&& observer)
        : end_([&source, id = source.subscribe(std::forward<Observer>(observer))] { source.unsubscribe(id); }) {}
    ~Subscription() { reset(); }
    Subscription(Subscription&& other) noexcept : end_(std::exchange(other.end_, nullptr)) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            end_ = std::exchange(other.end_, nullptr);
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

    // Ends it now (nothing when it has ended).
    void reset() {
        if (auto end = std::exchange(end_, nullptr)) end();
    }

private:
    std::function<void()> end_;
};

}  // namespace jd
