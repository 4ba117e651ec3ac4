// The fuzz cases rewrite the product's keys of the user and of the machine
// at will; whatever stood there before the program puts back at its end.
#include "settings/SettingsRecord.h"
#include "tests/support/RegistryTree.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
class KeptProductKeys : public ::testing::Environment {
public:
    void SetUp() override
    {
        m_user.reset(new KeptRegistryKey(HKEY_CURRENT_USER, kProductKeyPath));
        m_machine.reset(new KeptRegistryKey(HKEY_LOCAL_MACHINE, kProductKeyPath));
    }
    void TearDown() override
    {
        m_user.reset();
        m_machine.reset();
    }

private:
    std::unique_ptr<KeptRegistryKey> m_user;
    std::unique_ptr<KeptRegistryKey> m_machine;
};

::testing::Environment* const g_pKept = ::testing::AddGlobalTestEnvironment(new KeptProductKeys);
}
