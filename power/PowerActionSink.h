// Whoever carries out the power action at exit: the application object takes
// the player's action through this, so that the player needs nothing above it.
#pragma once

class PowerActionSink {
public:
    virtual ~PowerActionSink() = default;

    // Takes the power action the player hands over when it closes.
    virtual void SetPowerAction(const int& nPowerAction) = 0;
};

// The process's application object as a sink, or null where it is none (tests
// without one).
PowerActionSink* GetPowerActionSink();
