#pragma once

// An output box reaches the screen once per click, however often the
// handlers write it within the click (a type's listing is a write per
// line): while a click holds it, a write only marks the screen stale, and
// the end of the outermost hold refreshes it. A write outside any click
// refreshes at once.

#include <functional>
#include <utility>

namespace ribi::form {

class RefreshOnce {
public:
    // `refresh` puts the box's text on the screen.
    explicit RefreshOnce(std::function<void()> refresh) : refresh_(std::move(refresh)) {}
    RefreshOnce(const RefreshOnce&) = delete;
    RefreshOnce& operator=(const RefreshOnce&) = delete;

    // After each write of the box's text.
    void Written()
    {
        stale_ = true;
        if (holds_ == 0) Refresh();
    }
    // The screen is behind the last write.
    bool Stale() const { return stale_; }

    // For the length of a click; holds may nest.
    class Hold {
    public:
        explicit Hold(RefreshOnce& refresh) : refresh_(refresh) { ++refresh_.holds_; }
        ~Hold()
        {
            if (--refresh_.holds_ == 0 && refresh_.stale_) refresh_.Refresh();
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        RefreshOnce& refresh_;
    };

private:
    void Refresh()
    {
        stale_ = false;
        refresh_();
    }

    std::function<void()> refresh_;
    int holds_ = 0;
    bool stale_ = false;
};

} // namespace ribi::form
