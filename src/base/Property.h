#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tavor {

// Keeps an observer attached for as long as it lives; moving it moves the attachment.
class Subscription {
public:
    Subscription() = default;
    explicit Subscription(std::function<void()> detach) : detach_(std::move(detach)) {}
    Subscription(Subscription&& other) noexcept : detach_(std::exchange(other.detach_, {})) {}
    Subscription& operator=(Subscription&& other) noexcept {
        if (this != &other) {
            reset();
            detach_ = std::exchange(other.detach_, {});
        }
        return *this;
    }
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    ~Subscription() { reset(); }

    void reset() {
        if (detach_)
            std::exchange(detach_, {})();
    }

private:
    std::function<void()> detach_;
};

// A list of observers to tell of an event; each stays attached while its Subscription lives.
template <class... Args>
class Signal {
public:
    using Observer = std::function<void(const Args&...)>;

    Signal() = default;
    Signal(const Signal&) = delete;
    Signal& operator=(const Signal&) = delete;

    [[nodiscard]] Subscription observe(Observer observer) {
        auto entry = std::make_shared<Observer>(std::move(observer));
        observers_->push_back(entry);
        std::weak_ptr<List> list = observers_;
        return Subscription([list, entry] {
            if (auto l = list.lock())
                std::erase(*l, entry);
        });
    }

    void notify(const Args&... args) const {
        // A copy, so that an observer may detach itself or others while being told.
        const List current = *observers_;
        for (const auto& o : current)
            (*o)(args...);
    }

private:
    using List = std::vector<std::shared_ptr<Observer>>;
    std::shared_ptr<List> observers_ = std::make_shared<List>();
};

// A value that tells its observers when it changes. Setting an equal value notifies nobody,
// so a binding that writes back what it was just told does not loop.
template <class T>
class Property {
public:
    Property() = default;
    explicit Property(T initial) : value_(std::move(initial)) {}
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;

    const T& get() const { return value_; }
    operator const T&() const { return value_; }

    void set(T value) {
        if (value == value_)
            return;
        value_ = std::move(value);
        changed_.notify(value_);
    }
    Property& operator=(T value) {
        set(std::move(value));
        return *this;
    }

    [[nodiscard]] Subscription observe(std::function<void(const T&)> observer) {
        return changed_.observe(std::move(observer));
    }

private:
    T value_{};
    Signal<T> changed_;
};

}  // namespace tavor
