// One fuzz case's inputs in place for as long as the object lives: its
// folders below a fresh content root, its record and list keys in the
// user's product key, and in some cases machine defaults. Both keys are
// emptied first.
#pragma once
#include "tests/fuzz/FuzzCase.h"
#include "tests/fuzz/FuzzRun.h"
#include "tests/support/ContentRootScope.h"

class PlacedCase {
public:
    // bMachineDefaults: now and then machine defaults too (the settings
    // dialog's checks expect none).
    PlacedCase(FuzzRun& run, int nMode, int nCase, RegistryTestKey& user, RegistryTestKey& machine,
               bool bMachineDefaults);

    FuzzCase& Input() { return m_input; }

private:
    FuzzCase m_input;
    ContentRootScope m_root;
};
