#include "platform/win32/single_instance.h"

#include <gtest/gtest.h>

namespace platform::win32 {
namespace {

constexpr const wchar_t* kName = L"Local\\Lunadesk.Test.Instance";

// A lock held by this user's first copy, by one running elevated (whose lock this user may
// not open) or by none.
TEST(SingleInstanceTest, AnyLockHeldMeansAnotherCopyRuns) {
    ACL empty{};
    SECURITY_DESCRIPTOR denied{};
    ASSERT_TRUE(::InitializeAcl(&empty, sizeof(empty), ACL_REVISION));
    ASSERT_TRUE(::InitializeSecurityDescriptor(&denied, SECURITY_DESCRIPTOR_REVISION));
    ASSERT_TRUE(::SetSecurityDescriptorDacl(&denied, TRUE, &empty, FALSE));
    SECURITY_ATTRIBUTES elevated{sizeof(elevated), &denied, FALSE};
    for (SECURITY_ATTRIBUTES* security : {static_cast<SECURITY_ATTRIBUTES*>(nullptr), &elevated}) {
        EXPECT_TRUE(SingleInstance(kName).First()) << "none runs";
        const UniqueHandle<HANDLE, ::CloseHandle> lock(::CreateMutexW(security, FALSE, kName));
        if (security != nullptr) {
            ASSERT_EQ(::CreateMutexW(nullptr, FALSE, kName), nullptr);
            ASSERT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
        }
        EXPECT_FALSE(SingleInstance(kName).First()) << (security != nullptr);
    }
}

}  // namespace
}  // namespace platform::win32
