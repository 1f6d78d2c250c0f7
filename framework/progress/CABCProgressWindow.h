#pragma once
// What a lengthy operation needs of its on-screen progress window.
#include <cstdint>
#include <string>

class CABCProgressWindow {
public:
    virtual ~CABCProgressWindow() = default;

    // Copies the figures to the window: notes a press of its button (from then
    // on Cancelled() is true), sets the title, the value as a number and the
    // bar to percent * 10 of 1000, and redraws.
    virtual void Refresh(const std::string& title, std::int32_t value, std::uint16_t percent) = 0;
    // Lets the window system deliver pending events, so the window redraws and
    // its button can be pressed.
    virtual void ProcessEvents() = 0;
    virtual bool Cancelled() const = 0;
};
