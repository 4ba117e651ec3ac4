#include "tests/fuzz/PlacedCase.h"

PlacedCase::PlacedCase(FuzzRun& run, int nMode, int nCase, RegistryTestKey& user, RegistryTestKey& machine,
                       bool bMachineDefaults)
    : m_input(run.Seed(), nMode, nCase)
{
    run.Step(nCase, "building the folders");
    m_input.BuildContent(m_root.Path());
    user.Delete();
    machine.Delete();
    m_input.WriteSettings(user);
    if (bMachineDefaults && m_input.OneIn(4)) m_input.WriteMachineDefaults(machine);
}
