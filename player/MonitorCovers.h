// Black windows over every monitor but the primary one, which the player
// covers itself: nothing of the desktop shows on any monitor while a movie
// plays, and input over another monitor reaches the player as if it were
// over the player. The covers are topmost, never activated, and owned by
// the player.
#pragma once
#include <windows.h>
#include <vector>

class MonitorCovers {
public:
    MonitorCovers() = default;
    ~MonitorCovers() { Remove(); }
    MonitorCovers(const MonitorCovers&) = delete;
    MonitorCovers& operator=(const MonitorCovers&) = delete;

    // Shows one cover on each monitor other than the primary.
    void Cover(HWND hPlayer);
    // Puts the covers back on top, without activating them.
    void Raise() const;
    void Remove();
    const std::vector<HWND>& Windows() const { return m_covers; }

private:
    std::vector<HWND> m_covers;
};
